#pragma once

#include "store/AdministrativeData.h"

#include <QDate>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
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

// frmStat.
struct StatisticsReport {
    QString title;
    QList<StatisticsLine> lines;
    PrintCommands commands;
    // "&Détails": the duty list of the participant of a line.
    std::function<void(const QString& doctor)> showDetails;
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
