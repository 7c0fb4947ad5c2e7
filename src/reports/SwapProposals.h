#pragma once

#include "reports/RuleCheck.h"

// A day whose duty, exchanged with that of an alert's day, clears the alert.
struct SwapProposal {
    QDate day;
    bool sameType = false;
    // How many alerts the exchange clears in all, the one asked about included.
    qsizetype cleared = 0;

    bool operator==(const SwapProposal&) const = default;
};

// The days of the alert's year whose duty can be exchanged with that of its day so that the
// alert goes and no new one comes (a participant receiving a day he is away is one), best
// first: days of the same type, then those that clear the most alerts, then the nearest.
QList<SwapProposal> ProposeSwaps(const RosterFacts& facts, const RosterRules& rules,
                                 const RuleAlert& alert);
