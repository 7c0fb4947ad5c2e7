#include "rules/RosterAlerts.h"

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
    connect(&document, &RosterDocument::dayChanged, this,
            [this](QDate day) { recheckAround({day}); });
    connect(&document, &RosterDocument::dutiesChanged, this, &RosterAlerts::recheckAround);
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

void RosterAlerts::recheckAround(const QList<QDate>& days)
{
    const Roster& roster = document_.roster();
    QHash<QDate, QList<SharedInterval>> intervals;
    try {
        for (const QDate& day : days) {
            const RosterDay* row = roster.day(day);
            if (row && row->doctor == SharedDutyMarker)
                intervals.insert(day, roster.intervals(day));
        }
    } catch (const DatabaseError&) {
        // The days' alerts stay as they were, and the facts match them.
        return;
    }
    // Every day of the edit is known before any is checked: an exchange's days reach each
    // other's weeks.
    facts_.days = roster.days();
    for (const QDate& day : days) {
        if (intervals.contains(day))
            facts_.intervals.insert(day, intervals.value(day));
        else
            facts_.intervals.remove(day);
    }
    const int reach = DaysInReachOfRules(roster.rules());
    const QDate yearStart(roster.year(), 1, 1);
    const QDate yearEnd(roster.year(), 12, 31);
    QDate first, last;
    for (const QDate& day : days) {
        const QDate from = std::max(day.addDays(-reach), yearStart);
        const QDate to = std::min(day.addDays(reach), yearEnd);
        recheckQuietly(from, to);
        first = first.isValid() ? std::min(first, from) : from;
        last = last.isValid() ? std::max(last, to) : to;
    }
    if (first.isValid())
        emit changed(first, last);
}

void RosterAlerts::recheck(QDate first, QDate last)
{
    recheckQuietly(first, last);
    emit changed(first, last);
}

void RosterAlerts::recheckQuietly(QDate first, QDate last)
{
    const QList<RuleAlert> found = CheckRules(facts_, document_.roster().rules(), first, last);
    const auto from = std::lower_bound(alerts_.cbegin(), alerts_.cend(), first, ByDay);
    const auto to = std::lower_bound(from, alerts_.cend(), last.addDays(1), ByDay);
    QList<RuleAlert> alerts(alerts_.cbegin(), from);
    alerts << found << QList<RuleAlert>(to, alerts_.cend());
    alerts_ = alerts;
}
