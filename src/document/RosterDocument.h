#pragma once

#include "document/EditDialogs.h"
#include "document/EditJournal.h"
#include "document/EditTexts.h"
#include "document/RosterCommand.h"
#include "store/FileStamp.h"
#include "store/Roster.h"
#include "store/RosterFile.h"
#include "store/WorkRecord.h"

#include <QDateTime>
#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

class Messages;
class SaveLock;

// One roster year for as long as it is open: the database on its working file and the record
// beside it, the roster file it was read from, whether it holds unsaved changes, and the history
// of its edits. Every edit is a command that can be undone; views follow through the signals.
// It never asks: its operations take what was decided, and a failure is told to the user.
class RosterDocument : public QObject {
    Q_OBJECT

public:
    explicit RosterDocument(Messages& messages, QObject* parent = nullptr);
    ~RosterDocument() override;

    // Loads the roster in the working copy of a roster file. A roster without a file (filePath
    // empty) is captioned "Tour " and the next number of the untitled counter, and starts
    // modified. When the working file is not a roster, tells the user, removes the working file
    // and returns false.
    bool openFile(WorkingCopy copy, const QString& filePath, int& untitledCounter);
    // The same for a new roster whose database is already open on its working file.
    bool openNew(std::unique_ptr<RosterDatabase> db, int& untitledCounter);
    // A roster offered back after its program ended without closing it: it opens modified,
    // with the roster file it belongs to, or untitled.
    bool openRecovered(std::unique_ptr<RosterDatabase> db, const WorkRecord& record,
                       int& untitledCounter);

    // What became of a save.
    enum class SaveOutcome {
        Saved,
        Failed, // the user has been told why
        // The roster's own file was changed by another program since it was read or written:
        // it is replaced only once the user accepts the change as it now stands on disk.
        ChangedOnDisk,
    };
    // Writes the roster to its own file. Changed on disk since the roster read or wrote it, the
    // file is replaced only when accepted is its stamp as the user saw it when he agreed.
    SaveOutcome save(const std::optional<FileStamp>& accepted = {});
    // Writes the roster to the file the user chose, whatever it holds, and keeps to it from then.
    SaveOutcome saveAs(const QString& target);
    // What writes the roster file: the program's own writer unless another is given (a test
    // looks at what holds while the file is written).
    using RosterWriter =
        std::function<RosterWrite(const RosterDatabase& db, const QString& target)>;
    void setRosterWriter(RosterWriter writer) { writer_ = std::move(writer); }
    // Ends the roster's life: its working file and record are removed.
    void close();

    bool isOpen() const { return roster_ != nullptr; }
    const Roster& roster() const { return *roster_; }
    QString filePath() const { return filePath_; }
    // The roster's title without the unsaved marker: the roster file's name, or "Tour 1"...
    QString caption() const { return caption_; }
    QString workPath() const;
    bool isModified() const { return modified_; }
    // Where "Enregistrer sous" and the exports propose to write, without an extension.
    QString proposedSavePath() const;
    QUndoStack& undoStack() { return undoStack_; }
    // Undoes the last edit, or redoes the next; false, the user told why, when it cannot be
    // written: the history and the unsaved state stay as they were.
    bool undo();
    bool redo();

    // The edits. Each is written in one transaction and can be undone; a failure is told to
    // the user and changes nothing. True when the roster was changed.

    // Puts a participant on duty, or nobody with empty text.
    bool assignDay(QDate day, const QString& doctor);
    // Shares the day by these intervals, which must not overlap.
    bool shareDay(QDate day, const QList<SharedInterval>& intervals);
    bool setDayProperties(QDate day, DayType type, bool unavailable);
    // Keeps the day as it is for the corrections of the year, or lets them change it again.
    bool setDayKept(QDate day, bool kept);
    // Copies the source day's duty onto the target day.
    bool copyDay(QDate source, QDate target);
    // No day is unavailable any more.
    bool clearUnavailableDays();
    // A new participant, if the name can be one, in the group from his arrival in the year
    // (from its start without one).
    bool addParticipant(const QString& name, QDate arrival = {});
    bool setSector(const QString& sector);
    // The five administrative fields of the participant at that place in the table.
    bool setAdministrativeData(qsizetype index, const AdministrativeData& data);

    // A participant's absence; the periods of his it shares a day with are merged into it.
    bool addAbsence(const Absence& absence);
    // Puts this absence in place of the one at that place in the roster's list.
    bool changeAbsence(qsizetype index, const Absence& absence);
    bool removeAbsence(qsizetype index);
    // Another roster file of the same year, read from a working copy of its own that goes with
    // it: the file itself is never written. Null, the user told why, when it is not a roster
    // this version reads, or is of another year (the advice follows then).
    std::unique_ptr<Roster> readOtherRoster(const QString& path, const QString& otherYearAdvice);
    // The days marked unavailable in another roster file of the same year, a participant's own
    // copy, become his absences.
    bool importUnavailableDays(const QString& copyPath, const QString& doctor);

    // Gives a participant a new name, on every day, interval and absence of his; the name must
    // be one a new participant could take.
    bool renameParticipant(const QString& former, const QString& name);
    // A participant leaves the group from a day: his duties before it stay his, those from it
    // are kept, blanked or given to another, as decided. From the year's start (or his
    // arrival) he leaves the list, with his administrative data and absences.
    bool removeParticipant(const Removal& removal);
    // Another participant takes every duty of one, intervals of shared days included, on the
    // days from first to last; the user is told how many days changed.
    bool replaceParticipant(const Replacement& replacement);
    // Exchanges the duties of two sets of days, day for day, whole, a shared day's intervals
    // with it: two days, or the days of two duties (a weekend and another), in one edit.
    bool swapDuties(const QList<QDate>& days, const QList<QDate>& others);

    // The duties of several days replaced in one edit named text (a correction of the year,
    // days taken from another roster); before holds them as the replacement was worked out
    // from. Refused, the user told the outdated text, when the roster no longer holds them.
    bool replaceDuties(const QList<DatedDuty>& before, const QList<DatedDuty>& after,
                       const QString& text, const QString& outdated = OutdatedCorrectionText());

    // The group's rules the roster is checked against.
    bool setRules(const RosterRules& rules);

    // False, having told the user, when the roster has no participant for a command to work on.
    bool requireParticipants();
    // Runs a read of the roster for a report; a failure is told to the user.
    bool read(const std::function<void()>& work);

signals:
    void dayChanged(QDate day);
    // The duties of several days changed in one edit (an exchange): the days.
    void dutiesChanged(const QList<QDate>& days);
    // Many days at once: the unavailable days, or the days of a participant renamed or removed.
    void daysChanged();
    void participantsChanged();
    void sectorChanged(const QString& sector);
    void absencesChanged();
    void rulesChanged();
    void modifiedChanged(bool modified);
    void captionChanged(const QString& caption);
    void saved(const QString& filePath);

private:
    friend class RosterCommand;

    bool start(std::unique_ptr<Roster> roster, const QString& filePath, bool modified,
               int& untitledCounter);
    void setCaption(const QString& caption);
    void updateModified();
    // Pushes an edit: change writes it, revert writes back what it replaced, shown announces
    // it to the views after either.
    bool edit(const QString& text, std::function<void()> change, std::function<void()> revert,
              std::function<void()> shown, EditScope scope);
    bool push(RosterCommand* command);
    // Writes one side of an edit; false, the user told why, when it failed.
    bool write(const RosterCommand& command, bool forward);
    bool stepHistory(bool back);
    bool putDuty(QDate day, const DayDuty& duty, const QString& text);
    bool putAbsences(const QList<Absence>& absences, const QString& text);
    // False, having told the user why, when the absence cannot be kept.
    bool checkAbsence(const Absence& absence);
    // False, having told the user why, when a participant cannot take this name.
    bool checkNewName(const QString& name);
    // The days whose duty the change alters, as it makes them; former receives them as they
    // were. Nothing, the user told why, when the roster cannot be read.
    std::optional<QList<DatedDuty>>
    dutiesHolding(const std::function<std::optional<DayDuty>(QDate, const DayDuty&)>& changed,
                  QList<DatedDuty>& former);
    // The duties a participant holds from a day on (the whole year without one), as the removal
    // leaves them; former receives them as they were.
    std::optional<QList<DatedDuty>> dutiesLeft(const Removal& removal, QDate from,
                                               QList<DatedDuty>& former);
    // False, having told the user why, when the successor is not another participant.
    bool checkSuccessor(const QString& doctor, const QString& successor);
    bool removeFromTheYear(qsizetype index, const Removal& removal);
    bool removeFromDay(qsizetype index, const Removal& removal);
    // Tells the views a participant changed: his name may have left the list, his days and
    // absences changed with him.
    void showParticipantChange();
    bool lockForSaving(SaveLock& lock, const QString& target);
    bool changedOnDisk() const;
    bool writeRosterFile(const QString& target);
    // Puts the open database into a new working file after the former one was lost.
    void recoverWorkFile();
    // Writes beside the working file what offers the roster back after a crash.
    void recordWorkFile(bool unsaved);

    Messages& messages_;
    RosterWriter writer_ = WriteRosterFile;
    EditJournal journal_;
    // An edit is being pushed: its first writing is the edit made.
    bool pushing_ = false;
    std::unique_ptr<Roster> roster_;
    QUndoStack undoStack_;
    QString filePath_;
    QString caption_;
    // The roster file as this document last read or wrote it.
    std::optional<FileStamp> fileStamp_;
    QByteArray fileDigest_;
    // Unsaved whatever the history says: a roster never saved, or offered back after a crash.
    bool unsavedSinceOpened_ = false;
    bool modified_ = false;
    QDateTime lastEdit_;
    // Whether the edit being pushed was written.
    bool editWritten_ = false;
    // The side of the edit the history is moving to has been written already.
    bool writtenAhead_ = false;
};
