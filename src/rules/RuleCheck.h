#pragma once

#include "store/Roster.h"
#include "store/RosterRules.h"

#include <QHash>
#include <QList>
#include <algorithm>

enum class Rule {
    Absent,
    TwoDaysRunning,
    DayAfterWeekend,
    TooManyWeekends,
    DayWithoutDuty,
    UncoveredHours,
    UnknownName,
};

// A day that breaks a rule, with the participant concerned (empty for a rule about the day)
// and what the user is told.
struct RuleAlert {
    QDate day;
    QString doctor;
    Rule rule;
    QString text;

    bool operator==(const RuleAlert&) const = default;
};

// What the rules are checked on: a roster's days, shares, participants and absences, and when
// the participants who arrive or leave during the year are in the group.
struct RosterFacts {
    QList<RosterDay> days;
    QHash<QDate, QList<SharedInterval>> intervals;
    QStringList participants;
    QList<Absence> absences;
    QHash<QString, Presence> presences = {};

    bool operator==(const RosterFacts&) const = default;
};

// The facts of an open roster. Throws DatabaseError.
RosterFacts FactsOf(const Roster& roster);

// How many days before and after it a day's duty can change alerts: the next day, the Monday
// after its weekend, and the runs of weekends around it.
inline int DaysInReachOfRules(const RosterRules& rules)
{
    return 7 * std::max(1, rules.weekendsWindow);
}

// The alerts of the days from `first` to `last`, by day then rule; what the days around them
// hold is read as needed.
QList<RuleAlert> CheckRules(const RosterFacts& facts, const RosterRules& rules, QDate first,
                            QDate last);
