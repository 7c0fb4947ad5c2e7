#pragma once

#include "rules/RuleCheck.h"

// Days whose duties, exchanged with those of an alert's day, clear the alert. A weekend, the
// holidays joined to it or a holiday's eve are one duty: such a day goes with the days of its
// duty, against the days of another duty of the same kinds of day.
struct SwapProposal {
    // The alert's day, with the other days of its duty, in date order.
    QList<QDate> days;
    // The days that take their duties, in the same order.
    QList<QDate> others;
    bool sameType = false;
    // How many alerts the exchange clears in all, the one asked about included.
    qsizetype cleared = 0;

    bool operator==(const SwapProposal&) const = default;
};

// The exchanges within the alert's year that clear it and bring no new alert (a participant
// receiving a day he is away is one), best first: days of the same type, then those that clear
// the most alerts, then the nearest.
QList<SwapProposal> ProposeSwaps(const RosterFacts& facts, const RosterRules& rules,
                                 const RuleAlert& alert);
