#pragma once

#include "Calendar.h"
#include "ReportViews.h"
#include "Roster.h"
#include "WorkRecord.h"

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct PreviewPage;

enum class MessageIcon {
    None = 0,
    Critical = 1,
    Warning = 2,
    Information = 3,
    Question = 4,
};

// The button sets of the application's message box; the answer is the 1-based position of
// the pressed button, from left to right.
enum class ButtonSet {
    Ok = 1,               // "OK"
    OkCancel = 2,         // "OK" (default), "Annuler" (cancel)
    YesNo = 3,            // "&Oui" (default), "&Non" (cancel)
    YesNoCancel = 4,      // "&Oui" (default), "&Non", "Annuler" (cancel)
    RetryCancel = 5,      // "&Réessayer" (default), "Annuler" (cancel)
    AbortRetryIgnore = 6, // "&Abandon" (default), "&Réessayer", "&Ignorer" (cancel)
};

// Answers of the sets that have them.
inline constexpr int AnswerYes = 1;
inline constexpr int AnswerNo = 2;
inline constexpr int AnswerCancel = 3; // of YesNoCancel

struct Question {
    QString message;
    ButtonSet buttons = ButtonSet::Ok;
    MessageIcon icon = MessageIcon::None;
    // 1-based position of the button that has the keyboard focus; 0 or too large: the default.
    int focusedButton = 0;
    // The box's caption; the application's title when empty.
    QString title = {};
};

// A file to open or save: a roster file unless told otherwise.
struct FileChoice {
    // The name (and folder) the dialog proposes; may be empty.
    QString proposedPath;
    QString filter = QStringLiteral("Données (*.dat)");
    QString defaultSuffix = QStringLiteral("dat");
};

// What the sharing dialog starts from.
struct ShareRequest {
    QDate day;
    // What the day holds now: "Cette garde n'est pas encore affectée." ...
    QString info;
    QStringList participants;
    QList<SharedInterval> intervals;
};

struct DayProperties {
    DayType type;
    bool unavailable;
};

struct SectorName {
    QString name;
    // Also the name of the rosters created from now on.
    bool asDefault;
};

// frmBePatient: a small window with the text of a long operation and its progress, shown for
// as long as the object lives.
class WaitingWindow {
public:
    virtual ~WaitingWindow() = default;
    virtual void setProgress(int value) = 0;
};

// Everything the program says to the user or asks of them goes through here: the program
// shows real dialogs, tests answer from a script and record every text shown.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A notice in the standard message box, titled with the application's title, button OK.
    virtual void tell(const QString& message, MessageIcon icon) = 0;

    // A question in the application's message box; returns the position of the pressed button.
    virtual int ask(const Question& question) = 0;

    // A one-line text prompt titled with the application's title, with no default text.
    // Returns the typed text, or empty text when the user cancels.
    virtual QString promptText(const QString& prompt) = 0;

    // An existing roster file chosen by the user, or empty text when they cancel.
    virtual QString chooseFileToOpen(const FileChoice& choice) = 0;

    // The participant chooser: returns the index of the chosen name, or -1 when the user
    // cancels. The preselected index is shown first.
    virtual int chooseParticipant(const QStringList& participants, int preselected) = 0;

    // "Ajouter un participant": the name typed, or empty text when the user cancels.
    virtual QString askNewParticipant() = 0;

    // "Changer un nom": the index of the entry chosen instead of the preselected one, or -1
    // when the user cancels or keeps the preselected entry.
    virtual int chooseReplacement(const QStringList& entries, int preselected) = 0;

    // frmPartage: the intervals the user saved for the day, or nothing when they cancel.
    virtual std::optional<QList<SharedInterval>> editShare(const ShareRequest& request) = 0;

    // frmPropriétés: the day's new type and unavailability, or nothing when they cancel.
    virtual std::optional<DayProperties> editDayProperties(QDate day,
                                                           const DayProperties& current) = 0;

    // frmSecteur: the sector's new name, or nothing when they cancel.
    virtual std::optional<SectorName> nameSector(const QString& current) = 0;

    // The roster file to write, chosen by the user (who has confirmed overwriting an existing
    // one), or empty text when they cancel.
    virtual QString chooseFileToSave(const FileChoice& choice) = 0;

    // The rosters a program that ended without closing them left with unsaved changes: for
    // each, true to reopen it, false to discard it. Nothing when the user puts the choice off
    // until the next start.
    virtual std::optional<QList<bool>> chooseRecoveries(const QList<WorkRecord>& rosters) = 0;

    // The printer set-up dialog (cPrintDlg), opened on the default printer with the preset
    // applied: the printer and settings chosen, or nothing when the user cancels.
    virtual std::optional<PrintChoice> choosePrinter(const PrintPreset& preset) = 0;

    // Shows pages on screen before they are printed, each as it will be printed; print prints
    // them.
    virtual void showPreview(const QList<PreviewPage>& pages,
                             const std::function<void()>& print) = 0;

    // The please-wait window, owned by the main window; it does not block the operation.
    virtual std::unique_ptr<WaitingWindow> showWaiting(const QString& text, int maximum) = 0;

    // A folder chosen by the user, or empty text when they cancel.
    virtual QString chooseFolder(const QString& proposed) = 0;

    // frmImpressionGarde: the pages of the year table to print, and how; nothing when the user
    // cancels.
    virtual std::optional<RosterPrintRequest> chooseRosterPages(const RosterPrintOffer& offer) = 0;

    // frmAstreintes: the month of the on-call table to print, and how; nothing when the user
    // cancels.
    virtual std::optional<OnCallRequest> chooseOnCallMonth(const OnCallOffer& offer) = 0;

    // frmEtatCivil, with frmEditEtatCivil for each participant edited.
    virtual void showAdministrativeData(const AdministrativeDataWindow& window) = 0;

    // The report windows, modal over the main window.
    virtual void showStatistics(const StatisticsReport& report) = 0;
    virtual void showDutyList(const DutyListReport& report) = 0;
};
