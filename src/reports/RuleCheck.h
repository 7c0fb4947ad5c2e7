#pragma once

#include "store/Roster.h"

#include <QHash>
#include <QList>

// The group's rules a roster is checked against, each on or off. A participant on duty while
// absent is always an alert.
struct RosterRules {
    bool twoDaysRunning = true;
    bool dayAfterWeekend = true;
    bool tooManyWeekends = true;
    // No more than this many weekends on duty in any run of that many consecutive ones.
    int weekendsAllowed = 2;
    int weekendsWindow = 3;
    bool dayWithoutDuty = false;
    bool uncoveredHours = true;
    bool unknownName = true;

    bool operator==(const RosterRules&) const = default;
};

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

// What the rules are checked on: a roster's days, shares, participants and absences.
struct RosterFacts {
    QList<RosterDay> days;
    QHash<QDate, QList<SharedInterval>> intervals;
    QStringList participants;
    QList<Absence> absences;

    static RosterFacts of(const Roster& roster);
};

// The alerts of the days from `first` to `last`, by day then rule; what the days around them
// hold is read as needed.
QList<RuleAlert> CheckRules(const RosterFacts& facts, const RosterRules& rules, QDate first,
                            QDate last);
