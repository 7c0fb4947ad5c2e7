#pragma once

#include "planning/RosterRepair.h"
#include "reports/RosterDifferences.h"
#include "rules/RosterAlerts.h"
#include "session/ViewMode.h"
#include "store/RosterJournal.h"

#include <QDate>
#include <QObject>
#include <memory>
#include <optional>

class Interaction;
class Roster;
struct ParticipantsAtDay;
struct RosterDay;
class RosterDocument;

// Another roster file of the year, read beside the open one: its name as the user knows it,
// and the roster read from its own working copy.
struct OtherRoster {
    QString name;
    std::shared_ptr<const Roster> roster;
};

// One open roster as the user works on it, without a widget: its document and live alerts,
// the day chosen on the grid, the display mode, and every command that asks the user before it
// edits. The roster window binds its grid and menus to it; tests drive it with scripted answers.
class RosterSession : public QObject {
    Q_OBJECT

public:
    RosterSession(Interaction& ui, std::unique_ptr<RosterDocument> document,
                  QObject* parent = nullptr);
    ~RosterSession() override;

    RosterDocument& document() const { return *document_; }
    const RosterAlerts& alerts() const { return alerts_; }
    Interaction& interaction() const { return ui_; }

    // The day the day commands act on: the grid's current cell, when it is a day.
    std::optional<QDate> currentDay() const { return currentDay_; }
    void setCurrentDay(std::optional<QDate> day);

    ViewMode viewMode() const { return viewMode_; }
    // The participant whose duties or absences stand out; what the shared and blank modes find.
    QString findTarget() const { return findTarget_; }
    // Whose duties or absences the mode shows, above the grid; empty in the other modes.
    QString findText() const;
    // The doctor and absences modes ask for the participant first; cancelled, nothing changes.
    void chooseViewMode(ViewMode mode);
    // Whether the mode makes the day stand out; nothing when the day cannot be read, which
    // then keeps its colours.
    std::optional<bool> isHighlighted(QDate day) const;

    // Each participant of a shared day with his interval; empty for a day that is not shared,
    // or whose intervals cannot be read.
    QString sharedDayText(const RosterDay& day) const;
    // Who holds the day, and the day: "Dr Martin, samedi 12 mars".
    QString dayDescription(QDate day) const { return dutyDescription({day}); }
    // The same for the days of one duty: "Dr Martin, du samedi 12 mars au dimanche 13 mars".
    QString dutyDescription(const QList<QDate>& days) const;
    // The texts of the alerts a day carries.
    QStringList alertTexts(QDate day) const;

    // The status bar texts for the current day: the day, who is on duty, the rules the day
    // breaks; then how many alerts the year holds.
    QString statusDay() const;
    QString statusDuty() const;
    QString statusAlerts() const;
    QString statusAlertCount() const;

    // The day commands, on the current day; a shared day asks before it is given whole.
    void assignCurrentDay(const QString& doctor);
    void shareCurrentDay();
    void editCurrentDayProperties();
    // "&Garder ce jour tel quel": the corrections of the year leave the current day alone.
    void keepCurrentDay(bool kept);
    bool isCurrentDayKept() const;
    // Copies the source day's duty onto the target, after the user confirms.
    void copyDay(QDate source, QDate target);
    // Exchanges two days' duties; days of different types ask first. True when made.
    bool swapDays(QDate first, QDate second) { return swapDuties({first}, {second}); }
    // "Proposer des échanges": the exchanges that clear the alert, the one chosen made.
    void proposeSwaps(const RuleAlert& alert);
    // The same for the first alert of the current day.
    void proposeSwapsForCurrentDay();

    // The roster commands of "&Outils".
    void addParticipant();
    void renameParticipant();
    void removeParticipant();
    void replaceParticipant();
    void nameSector();
    void clearUnavailableDays();
    void showAbsences();
    // Asks for a participant's own copy and for the participant, and imports his unavailable
    // days as absences; true when the roster was changed.
    bool importUnavailableDays();
    void editRules();

    // "&Corriger les alertes...": what the correction starts from, the days from first to last
    // allowed to change, each share kept within the tolerance and making up for what the
    // earlier years given left each participant short or ahead; from the rotation, the fewest
    // days differ from the year as the wizard generated it rather than from the roster.
    // Nothing, the user told why, when the roster cannot be read.
    std::optional<RepairRequest> repairRequest(QDate first, QDate last, double tolerance,
                                               const QList<FairnessYear>& earlierYears = {},
                                               bool fromRotation = false) const;
    // Whether the roster keeps the year the wizard generated: a blank one does not.
    bool hasRotation() const;
    // Where the correction starts unless told: today in the roster's year, else 1 January.
    QDate repairStart() const;
    // "&Appliquer": the correction worked out from that request as one edit; true when made.
    // Refused, the user told why, when anything it was worked out from has changed since:
    // a day, an absence, a participant, a rule, a day kept.
    bool applyRepair(const RepairRequest& from, const RepairProposal& proposal);

    // "Co&mparer avec un autre tour de garde...": the roster file the user chooses, of the
    // same year, read beside this one; nothing when none was chosen or it cannot be read (the
    // user told why).
    std::optional<OtherRoster> chooseRosterToCompare();
    // What differs from the other roster to this one; nothing, the user told why, when this one
    // cannot be read.
    std::optional<RosterDifferences> differencesWith(const OtherRoster& other) const;
    // "&Reprendre ce jour": these days take the other roster's duties, in one edit.
    bool takeDays(const OtherRoster& other, const QList<QDate>& days);

    // "Journal des modifications": the entries of the roster's journal, newest first; nothing
    // when it cannot be read.
    std::optional<QList<JournalEntry>> journal() const;

    // "&Enregister": to the roster's file, or one chosen when it has none or the user will not
    // replace a file another program changed. True only when the file was written.
    bool save();
    // "Enregistrer &sous": to a file the user chooses.
    bool saveAs();
    // Asks whether to save unsaved changes; false when the roster must stay open.
    bool mayClose();
    // From now on the roster closes without asking (the question has been answered already).
    void approveClose() { closeApproved_ = true; }

signals:
    // The current day, what it holds or its alerts changed: the status texts with them.
    void statusChanged();
    // Which days stand out changed: another mode, another participant, his absences.
    void highlightsChanged();

private:
    void followDocument();
    const RosterDay* currentRosterDay() const;
    // The participants, the year and the day the participants' dialogs start from.
    ParticipantsAtDay participantsAtCurrentDay() const;
    bool chooseFindTarget();
    bool swapDuties(const QList<QDate>& days, const QList<QDate>& others);
    bool confirm(const QString& question, const QString& title = {});

    Interaction& ui_;
    std::unique_ptr<RosterDocument> document_;
    RosterAlerts alerts_;
    std::optional<QDate> currentDay_;
    ViewMode viewMode_ = ViewMode::Standard;
    QString findTarget_;
    bool closeApproved_ = false;
};
