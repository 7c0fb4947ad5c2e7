#pragma once

#include "store/Roster.h"

#include <QList>
#include <QString>
#include <QStringList>

// A day held differently in two rosters of one year: in the other file, and in this roster.
struct DayDifference {
    QDate day;
    DayDuty theirs;
    DayDuty mine;

    bool operator==(const DayDifference&) const = default;
};

// What differs between another roster file of the year and this roster, each from the other
// file's side to this one's: the days in date order, then the participants, the absences,
// the sector and the rules.
struct RosterDifferences {
    QList<DayDifference> days;
    // Participants here and not there, there and not here.
    QStringList participantsAdded;
    QStringList participantsRemoved;
    // "Dr A : Semaine → Semaine et WE" for a participant of both whose rotations differ.
    QStringList rotationsChanged;
    QList<Absence> absencesAdded;
    QList<Absence> absencesRemoved;
    // "Secteur : « Ubaye » → « Ubaye nord »", and one line per rule that differs.
    QStringList sectorAndRules;

    bool isEmpty() const
    {
        return days.isEmpty() && participantsAdded.isEmpty() && participantsRemoved.isEmpty() &&
               rotationsChanged.isEmpty() && absencesAdded.isEmpty() && absencesRemoved.isEmpty() &&
               sectorAndRules.isEmpty();
    }
};

// The differences from the other roster of the same year to this one. Throws DatabaseError.
RosterDifferences CompareRosters(const Roster& theirs, const Roster& mine);

// A day's duty as the differences show it: the participant, the intervals of a shared day, or
// "(personne)".
QString DutyText(const DayDuty& duty);

// "Dr A du 1er août au 10 août (Congés)".
QString AbsenceText(const Absence& absence);
