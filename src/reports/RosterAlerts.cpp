#include "reports/RosterAlerts.h"

#include "document/RosterDocument.h"
#include "store/DatabaseError.h"

#include <algorithm>

namespace {

bool ByDay(const RuleAlert& alert, QDate day)
{
    return alert.day < day;
}

} // namespace

RosterAlerts::RosterAlerts(const RosterDocument& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
    connect(&document, &RosterDocument::dayChanged, this, &RosterAlerts::recheckAround);
    for (auto changedWhole : {&RosterDocument::daysChanged, &RosterDocument::participantsChanged,
                              &RosterDocument::absencesChanged, &RosterDocument::rulesChanged})
        connect(&document, changedWhole, this, &RosterAlerts::recheckAll);
    recheckAll();
}

QList<RuleAlert> RosterAlerts::of(QDate day) const
{
    const auto first = std::lower_bound(alerts_.cbegin(), alerts_.cend(), day, ByDay);
    const auto last = std::lower_bound(first, alerts_.cend(), day.addDays(1), ByDay);
    return QList<RuleAlert>(first, last);
}

QList<SwapProposal> RosterAlerts::proposeSwaps(const RuleAlert& alert) const
{
    return ProposeSwaps(facts_, document_.roster().rules(), alert);
}

void RosterAlerts::recheckAll()
{
    const Roster& roster = document_.roster();
    try {
        facts_ = FactsOf(roster);
    } catch (const DatabaseError&) {
        // The alerts stay as they were; the next edit that reads well brings them up to date.
        return;
    }
    recheck(QDate(roster.year(), 1, 1), QDate(roster.year(), 12, 31));
}

void RosterAlerts::recheckAround(QDate day)
{
    const Roster& roster = document_.roster();
    const RosterDay* row = roster.day(day);
    QList<SharedInterval> intervals;
    try {
        if (row && row->doctor == SharedDutyMarker)
            intervals = roster.intervals(day);
    } catch (const DatabaseError&) {
        // The day's alerts stay as they were, and the facts match them.
        return;
    }
    facts_.days = roster.days();
    if (intervals.isEmpty())
        facts_.intervals.remove(day);
    else
        facts_.intervals.insert(day, intervals);
    const int reach = DaysInReachOfRules(roster.rules());
    recheck(std::max(day.addDays(-reach), QDate(roster.year(), 1, 1)),
            std::min(day.addDays(reach), QDate(roster.year(), 12, 31)));
}

void RosterAlerts::recheck(QDate first, QDate last)
{
    const QList<RuleAlert> found = CheckRules(facts_, document_.roster().rules(), first, last);
    const auto from = std::lower_bound(alerts_.cbegin(), alerts_.cend(), first, ByDay);
    const auto to = std::lower_bound(from, alerts_.cend(), last.addDays(1), ByDay);
    QList<RuleAlert> alerts(alerts_.cbegin(), from);
    alerts << found << QList<RuleAlert>(to, alerts_.cend());
    alerts_ = alerts;
    emit changed(first, last);
}
