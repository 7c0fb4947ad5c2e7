#pragma once

#include "store/AdministrativeData.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// What the report windows show and do. The reports compute them; the windows only show them.

// A printer and its settings, as the printer set-up dialog leaves them.
struct PrintChoice {
    QString printerName;
    // Not empty: the pages go to this PDF file instead of a printer.
    QString outputFile;
    bool landscape = false;
    // The paper, as held in portrait, and the margins, in millimetres.
    QSizeF paperMm{210, 297};
    QMarginsF marginsMm;
    int paperSource = 0; // a QPrinter::PaperSource
    int resolution = 0;  // the print quality, in dots per inch
    int copies = 1;
};

// What a report sets in the printer set-up dialog before it opens.
struct PrintPreset {
    std::optional<bool> landscape;
    std::optional<QSizeF> paperMm;
};

// The buttons of a report window that prints.
struct PrintCommands {
    std::function<void()> print;
    std::function<void()> preview;
    std::function<void()> saveAsPdf;
};

inline constexpr int DayTypeCount = 3;

// A participant's duty days by day type (weekday, Saturday, Sunday or holiday), with how many
// of them he shares with others.
struct StatisticsLine {
    QString doctor;
    std::array<int, DayTypeCount> days{};
    std::array<int, DayTypeCount> shared{};
};

// The kinds of duty day the fairness view weighs against each other. A day is a weekday, a
// Saturday, a Sunday or a holiday (by its stored type: the organiser may have made a weekday a
// holiday, and a holiday on a Sunday is a holiday); the year-end days (24, 25, 31 December and
// 1 January) are counted apart as well, and weigh as the kind of day they are.
enum class FairnessKind { Weekday, Saturday, Sunday, Holiday, YearEnd };
inline constexpr int FairnessKindCount = 5;

// Duty days by kind.
using FairnessDays = std::array<int, FairnessKindCount>;

// The points of a duty by day type code: weekday, Saturday, Sunday or holiday.
using FairnessWeights = std::array<double, DayTypeCount>;
// A duty's points by day type, until the user sets his own: a weekend day weighs more.
inline constexpr FairnessWeights DefaultWeights = {1, 1.5, 2};

// A rotation of the roster (weekdays or weekends and holidays): its heading and its
// participants, in table order.
struct RotationMembers {
    QString heading;
    QStringList doctors;
    // The kinds of day the rotation shares out, on which its members are compared and their
    // points counted; the others are shown for information only.
    std::array<bool, FairnessKindCount> compared{};
};

// One roster's year in the fairness ledger.
struct FairnessYear {
    int year = 0;
    // The days of every name that holds any, participant or not.
    QHash<QString, FairnessDays> days;
    // The year's days by kind, and those each participant could hold: the days he was in the
    // group.
    FairnessDays daysOfYear{};
    QHash<QString, FairnessDays> available;
    // The year's rotations, by its participants' flags, in the order Rotations gives them.
    QList<RotationMembers> rotations;
};

// A participant of a rotation: his days and points over the years he was in it, and how far
// each lies from what the rotation gave its members those years, in proportion to the days he
// could hold. A name outside the participant list holding days of the rotation is shown with
// his days, compared with nothing.
struct FairnessLine {
    QString doctor;
    FairnessDays days{};
    double points = 0;
    std::array<double, FairnessKindCount> difference{};
    double pointsDifference = 0;
    std::array<bool, FairnessKindCount> compared{};
};

struct FairnessRotation {
    QString heading;
    QList<FairnessLine> lines;
    // What a member there every day of the ledger's years would hold.
    std::array<double, FairnessKindCount> meanDays{};
    double meanPoints = 0;
    std::array<bool, FairnessKindCount> compared{};
};

// The fairness view as it stands: the years counted, the weights, and each rotation.
struct FairnessTable {
    QList<int> years;
    FairnessWeights weights{};
    QList<FairnessRotation> rotations;
};

// The fairness tab of frmStat.
struct FairnessReport {
    // The open roster's year: the ledger starts with it.
    FairnessYear year;
    QList<RotationMembers> rotations;
    // "Ajouter une autre année...": the year of a roster file the user chooses; nothing when he
    // cancels, or when the file is refused (he was told why).
    std::function<std::optional<FairnessYear>(const QList<int>& yearsHeld)> addYear;
    // The print buttons over the table shown.
    std::function<PrintCommands(const FairnessTable& table)> commands;
};

// frmStat.
struct StatisticsReport {
    QString title;
    QList<StatisticsLine> lines;
    PrintCommands commands;
    // "&Détails": the duty list of the participant of a line.
    std::function<void(const QString& doctor)> showDetails;
    FairnessReport fairness = {};
};

// A day of a participant's duty list; on a shared day, one of his intervals, in duty hours.
struct DutyRow {
    QDate day;
    std::optional<double> start;
    std::optional<double> end;
};

// frmListe.
struct DutyListReport {
    QString title;
    QList<DutyRow> rows;
    PrintCommands commands;
};

// Where a print dialog sends the pages.
enum class PrintOutput { Printer, Preview, Pdf };

// What the year table's print dialog was left with.
struct RosterPrintRequest {
    PrintOutput output = PrintOutput::Printer;
    int copies = 1;
    bool firstHalf = false;
    bool secondHalf = false;
    bool sharedList = false;
    // The printer set up in the dialog; the default printer when none was.
    std::optional<PrintChoice> printer;
};

// What the year table's print dialog (frmImpressionGarde) starts from.
struct RosterPrintOffer {
    QString yearText;
    // The list of the shared intervals can be asked for.
    bool hasSharedIntervals = false;
    // What the dialog was left with before a preview: it opens again so.
    std::optional<RosterPrintRequest> previous;
};

// What the monthly on-call table's dialog was left with.
struct OnCallRequest {
    // "Toute l'année", after "Décembre": the twelve months in one job.
    static constexpr int WholeYear = 13;

    // 1 to 12, or WholeYear.
    int month = 1;
    PrintOutput output = PrintOutput::Printer;
    // The printer set up in the dialog; the default printer when none was.
    std::optional<PrintChoice> printer;
};

// What the monthly on-call table's dialog (frmAstreintes) can do beside choosing the month.
struct OnCallOffer {
    // "&Editer les données administratives".
    std::function<void()> editAdministrativeData;
    // What the dialog was left with before a preview: it opens again so.
    std::optional<OnCallRequest> previous;
};

// frmEtatCivil: every participant's administrative data, in table order.
struct AdministrativeDataWindow {
    QList<AdministrativeData> participants;
    // Writes a participant's data; false, the user told why, when it could not be written.
    std::function<bool(qsizetype index, const AdministrativeData& data)> save;
};
