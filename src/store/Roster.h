#pragma once

#include "store/AdministrativeData.h"
#include "store/Calendar.h"
#include "store/RosterDatabase.h"
#include "store/RosterRules.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <memory>
#include <optional>

// Marks a shared day in Garde.Médecin; its intervals are in Partagé.
inline const QString SharedDutyMarker = QStringLiteral("<Partagé>");

struct RosterDay {
    QDate date;
    // A participant's name, empty text for nobody, or "<Partagé>" for a shared day.
    QString doctor;
    DayType type;
    bool unavailable;

    bool operator==(const RosterDay&) const = default;
};

// One interval of a shared day, in duty hours (0 is 08:00, 24 the next morning's 08:00).
struct SharedInterval {
    QString doctor;
    double start;
    double end;

    bool operator==(const SharedInterval&) const = default;
};

// Who holds a day: a participant, nobody (empty text), or the intervals of a shared day.
struct DayDuty {
    QString doctor;
    // Only for a shared day.
    QList<SharedInterval> intervals;

    bool operator==(const DayDuty&) const = default;
};

// When a participant is in the group: from his arrival until the day before his departure. A
// date that is not valid is no bound: he is there from the year's start, or until its end.
struct Presence {
    QDate arrival;   // Arrivée
    QDate departure; // Départ
    bool includes(QDate day) const
    {
        return (!arrival.isValid() || day >= arrival) && (!departure.isValid() || day < departure);
    }
    bool isWholeYear() const { return !arrival.isValid() && !departure.isValid(); }

    bool operator==(const Presence&) const = default;
};

// A row of Participants: the participant's administrative data, the rotations he takes part
// in and when he is in the group.
struct Participant {
    AdministrativeData data;
    bool weekdays = false; // Semaine
    bool weekends = false; // WE
    Presence presence = {};

    bool operator==(const Participant&) const = default;
};

// A participant's row as the table holds it, to put him back at his place.
struct ParticipantRow {
    Participant participant;
    qint64 rowId = 0;
};

// A day's duty, to be written.
struct DatedDuty {
    QDate day;
    DayDuty duty;

    bool operator==(const DatedDuty&) const = default;
};

// A participant's period away, its first and last days included.
struct Absence {
    QString doctor;
    QDate first;
    QDate last;
    // Why, as typed ("Congés"); may be empty.
    QString reason;

    bool operator==(const Absence&) const = default;
};

// By participant, then first day: the order a roster keeps them in.
void SortAbsences(QList<Absence>& absences);

// "Dr Martin 08:00–20:00, Dr Dupont 20:00–08:00".
QString IntervalsText(const QList<SharedInterval>& intervals);

// An open roster: its database on the working file, and its days, sector and participants
// as a roster window shows them.
class Roster {
public:
    // Loads the roster held in a working file; null when the file is not a whole roster.
    static std::unique_ptr<Roster> load(const QString& workPath);
    // Loads the roster of a database already open; null without one, or when it holds no day.
    static std::unique_ptr<Roster> load(std::unique_ptr<RosterDatabase> db);

    const RosterDatabase& database() const { return *db_; }
    // Goes on with another database holding the same roster (a copy of this one's).
    void replaceDatabase(std::unique_ptr<RosterDatabase> db) { db_ = std::move(db); }

    // The year of the roster's first day.
    int year() const { return days_.first().date.year(); }
    // Every day, in date order.
    const QList<RosterDay>& days() const { return days_; }
    QString sector() const { return sector_; }
    // Every participant's name, in table order.
    const QStringList& participants() const { return participants_; }
    // Every participant's row, in table order.
    const QList<Participant>& participantRows() const { return rows_; }
    // The administrative data of the first participant of that name (compared exactly); empty
    // when none has it.
    std::optional<AdministrativeData> administrativeDataOf(const QString& doctor) const;

    // The day's row; null for a date the roster does not hold.
    const RosterDay* day(QDate date) const;

    // The intervals of a shared day, by starting time.
    QList<SharedInterval> intervals(QDate day) const;
    // The intervals of every shared day, read at once.
    QHash<QDate, QList<SharedInterval>> allIntervals() const;
    // Who holds the day, with its intervals when it is shared.
    DayDuty duty(QDate day) const;
    // The names holding a day or an interval that are not in the participant list (a
    // participant removed with his days kept, another program's doing), sorted.
    QStringList namesOutsideTheList() const;
    // Whether the participant has an interval on the shared day.
    bool hasInterval(QDate day, const QString& doctor) const;

    // Edits. Each is written whole in one transaction, or not at all: on a DatabaseError the
    // database and the days above are as they were.

    // Puts the duty on the day, in place of whatever it held.
    void setDuty(QDate day, const DayDuty& duty) { setDuties({{day, duty}}); }
    // The same for several days at once.
    void setDuties(const QList<DatedDuty>& duties);
    // Puts a participant (or nobody, with empty text) on duty; a share of the day is removed.
    void assign(QDate day, const QString& doctor) { setDuty(day, {doctor, {}}); }
    // Shares the day by these intervals, in place of whatever it held.
    void share(QDate day, const QList<SharedInterval>& intervals)
    {
        setDuty(day, {SharedDutyMarker, intervals});
    }
    void setProperties(QDate day, DayType type, bool unavailable);
    // The days marked unavailable, in date order.
    QList<QDate> unavailableDays() const;
    // Marks exactly these days unavailable.
    void setUnavailableDays(const QList<QDate>& days);
    // A new participant of both rotations, last in the table, in the group from his arrival
    // (from the year's start without one).
    void addParticipant(const QString& name, QDate arrival = {});
    // Takes away the participant last in the table.
    void removeLastParticipant();
    ParticipantRow participantRow(qsizetype index) const;
    // A participant's change goes with what follows from it, in the same transaction: the days
    // given take their duties, and the absences given replace the roster's.
    // The participant at that place in the table takes a new name.
    void renameParticipant(qsizetype index, const QString& name, const QList<DatedDuty>& duties,
                           const QList<Absence>& absences);
    // When the participant at that place is in the group.
    void setPresence(qsizetype index, const Presence& presence, const QList<DatedDuty>& duties);
    // The participant at that place leaves the table.
    void removeParticipant(qsizetype index, const QList<DatedDuty>& duties,
                           const QList<Absence>& absences);
    // A participant removed comes back at that place, with his row as it was.
    void restoreParticipant(qsizetype index, const ParticipantRow& row,
                            const QList<DatedDuty>& duties, const QList<Absence>& absences);
    // The five administrative fields of the participant at that place in the table.
    void setAdministrativeData(qsizetype index, const AdministrativeData& data);
    void setSector(const QString& sector);
    // Every participant's absences, by participant then first day.
    const QList<Absence>& absences() const { return absences_; }
    // Keeps exactly these absences.
    void setAbsences(const QList<Absence>& absences);
    // The group's rules, the defaults for those the file does not hold or holds unreadably.
    const RosterRules& rules() const { return rules_; }
    void setRules(const RosterRules& rules);
    // The days the organiser keeps as they are: a correction of the year never changes them.
    const QSet<QDate>& keptDays() const { return keptDays_; }
    void setKeptDays(const QSet<QDate>& days);
    // The year as the wizard generated it, a holder per day in date order (empty text for
    // nobody); none for a roster made blank. Its holders are renamed with the participants.
    const QStringList& rotation() const { return rotation_; }

private:
    explicit Roster(std::unique_ptr<RosterDatabase> db);
    RosterDay& dayRow(QDate date);
    void deleteIntervals(QDate day);
    void insertIntervals(QDate day, const QList<SharedInterval>& intervals);
    // Writes without a transaction of their own, for the edits that hold one.
    void writeDuties(const QList<DatedDuty>& duties);
    void writeAbsences(const QList<Absence>& absences);
    // After their transaction is committed: the roster as the database now holds it.
    void keepDuties(const QList<DatedDuty>& duties);
    void keepAbsences(const QList<Absence>& absences);
    void writeDoctor(QDate day, const QString& doctor);
    void read();
    void readRules();
    void readKeptDays();

    std::unique_ptr<RosterDatabase> db_;
    QList<RosterDay> days_;
    QHash<QDate, qsizetype> dayIndex_;
    QString sector_;
    QStringList participants_;
    QList<Participant> rows_;
    QList<qint64> rowIds_;
    QList<Absence> absences_;
    RosterRules rules_;
    QSet<QDate> keptDays_;
    QStringList rotation_;
};
