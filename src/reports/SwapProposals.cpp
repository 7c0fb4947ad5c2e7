#include "reports/SwapProposals.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace {

// The days a duty's exchange can change the alerts of: the rules look this far around a day.
struct Reach {
    QDate first;
    QDate last;
};

class SwapFinder {
public:
    SwapFinder(const RosterFacts& facts, const RosterRules& rules, const RuleAlert& alert)
        : facts_(facts)
        , rules_(rules)
        , alert_(alert)
        , reach_(DaysInReachOfRules(rules))
    {
        for (qsizetype index = 0; index < facts.days.size(); ++index) {
            if (facts.days.at(index).date == alert.day)
                alertDay_ = index;
        }
    }

    QList<SwapProposal> find()
    {
        QList<SwapProposal> proposals;
        if (alertDay_ < 0)
            return proposals;
        const RosterDay& day = facts_.days.at(alertDay_);
        // What each day's alerts are before any exchange.
        yearAlerts_ =
            CheckRules(facts_, rules_, facts_.days.constFirst().date, facts_.days.constLast().date);
        for (qsizetype index = 0; index < facts_.days.size(); ++index) {
            const RosterDay& other = facts_.days.at(index);
            if (other.date.year() != day.date.year() || !holdDifferentDuties(day, other))
                continue;
            if (const std::optional<qsizetype> cleared = clearedBySwapWith(index))
                proposals.append({other.date, other.type == day.type, *cleared});
        }
        std::sort(proposals.begin(), proposals.end(),
                  [&day](const SwapProposal& a, const SwapProposal& b) {
                      return std::tuple(!a.sameType, -a.cleared, std::abs(day.date.daysTo(a.day))) <
                             std::tuple(!b.sameType, -b.cleared, std::abs(day.date.daysTo(b.day)));
                  });
        return proposals;
    }

private:
    bool holdDifferentDuties(const RosterDay& day, const RosterDay& other) const
    {
        return day.doctor != other.doctor ||
               (day.doctor == SharedDutyMarker &&
                facts_.intervals.value(day.date) != facts_.intervals.value(other.date));
    }

    QList<Reach> reachOf(QDate first, QDate second) const
    {
        const Reach a{first.addDays(-reach_), first.addDays(reach_)};
        const Reach b{second.addDays(-reach_), second.addDays(reach_)};
        if (a.first <= b.last && b.first <= a.last)
            return {{std::min(a.first, b.first), std::max(a.last, b.last)}};
        return {a, b};
    }

    // The alerts of the days in reach, the two days' duties exchanged,
    // checked from those days and the weeks around them only: the rest of the year cannot
    // change them, and copying it for each day tried would cost more than the check.
    QList<RuleAlert> alertsIn(const QList<Reach>& reach, qsizetype exchangedWith) const
    {
        QList<RuleAlert> alerts;
        for (const Reach& days : reach) {
            RosterFacts around{{}, {}, facts_.participants, facts_.absences};
            for (qsizetype index = 0; index < facts_.days.size(); ++index) {
                RosterDay day = facts_.days.at(index);
                if (day.date < days.first.addDays(-reach_) || day.date > days.last.addDays(reach_))
                    continue;
                qsizetype held = index;
                if (exchangedWith >= 0 && (index == alertDay_ || index == exchangedWith))
                    held = index == alertDay_ ? exchangedWith : alertDay_;
                const RosterDay& holder = facts_.days.at(held);
                day.doctor = holder.doctor;
                if (day.doctor == SharedDutyMarker)
                    around.intervals.insert(day.date, facts_.intervals.value(holder.date));
                around.days.append(day);
            }
            alerts += CheckRules(around, rules_, days.first, days.last);
        }
        return alerts;
    }

    // How many alerts the exchange clears, when it clears the one asked about and brings none.
    std::optional<qsizetype> clearedBySwapWith(qsizetype index) const
    {
        const QList<Reach> reach =
            reachOf(facts_.days.at(alertDay_).date, facts_.days.at(index).date);
        QList<RuleAlert> before;
        for (const Reach& days : reach) {
            std::copy_if(
                yearAlerts_.cbegin(), yearAlerts_.cend(), std::back_inserter(before),
                [&days](const RuleAlert& a) { return days.first <= a.day && a.day <= days.last; });
        }
        const QList<RuleAlert> after = alertsIn(reach, index);
        const bool bringsNone = std::all_of(after.cbegin(), after.cend(),
                                            [&](const RuleAlert& a) { return before.contains(a); });
        if (!bringsNone || after.contains(alert_))
            return std::nullopt;
        return before.size() - after.size();
    }

    const RosterFacts& facts_;
    const RosterRules& rules_;
    const RuleAlert& alert_;
    const int reach_;
    qsizetype alertDay_ = -1;
    QList<RuleAlert> yearAlerts_;
};

} // namespace

QList<SwapProposal> ProposeSwaps(const RosterFacts& facts, const RosterRules& rules,
                                 const RuleAlert& alert)
{
    return SwapFinder(facts, rules, alert).find();
}
