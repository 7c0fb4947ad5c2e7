#include "rules/SwapProposals.h"

#include "rules/DutyBlocks.h"

#include <QHash>

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
                block_ = DutyBlock(facts.days, index);
        }
    }

    QList<SwapProposal> find()
    {
        QList<SwapProposal> proposals;
        if (block_.isEmpty())
            return proposals;
        // What each day's alerts are before any exchange.
        yearAlerts_ =
            CheckRules(facts_, rules_, facts_.days.constFirst().date, facts_.days.constLast().date);
        for (qsizetype index = 0; index < facts_.days.size();) {
            const QList<qsizetype> other = DutyBlock(facts_.days, index);
            index = other.constLast() + 1;
            if (!isExchangeableWith(other))
                continue;
            if (const std::optional<qsizetype> cleared = clearedBySwapWith(other))
                proposals.append({datesOf(block_), datesOf(other), sameTypes(other), *cleared});
        }
        const QDate day = alert_.day;
        std::sort(proposals.begin(), proposals.end(),
                  [&day](const SwapProposal& a, const SwapProposal& b) {
                      const auto rank = [&day](const SwapProposal& p) {
                          return std::tuple(!p.sameType, -p.cleared,
                                            std::abs(day.daysTo(p.others.constFirst())));
                      };
                      return rank(a) < rank(b);
                  });
        return proposals;
    }

private:
    const RosterDay& dayAt(qsizetype index) const { return facts_.days.at(index); }

    QList<QDate> datesOf(const QList<qsizetype>& block) const
    {
        QList<QDate> dates;
        for (qsizetype index : block)
            dates.append(dayAt(index).date);
        return dates;
    }

    bool sameTypes(const QList<qsizetype>& other) const
    {
        for (qsizetype i = 0; i < block_.size(); ++i) {
            if (dayAt(block_.at(i)).type != dayAt(other.at(i)).type)
                return false;
        }
        return true;
    }

    // A duty of several days goes only against one of the same kinds of day; a day of its own
    // against any other day of its own, of the same type first.
    bool isExchangeableWith(const QList<qsizetype>& other) const
    {
        const RosterDay& day = dayAt(block_.constFirst());
        const RosterDay& first = dayAt(other.constFirst());
        if (other.size() != block_.size() || first.date.year() != day.date.year() ||
            other == block_)
            return false;
        if (block_.size() > 1 && !sameTypes(other))
            return false;
        return day.doctor != first.doctor ||
               (day.doctor == SharedDutyMarker &&
                facts_.intervals.value(day.date) != facts_.intervals.value(first.date));
    }

    QList<Reach> reachOf(const QList<qsizetype>& other) const
    {
        const Reach a{dayAt(block_.constFirst()).date.addDays(-reach_),
                      dayAt(block_.constLast()).date.addDays(reach_)};
        const Reach b{dayAt(other.constFirst()).date.addDays(-reach_),
                      dayAt(other.constLast()).date.addDays(reach_)};
        if (a.first <= b.last && b.first <= a.last)
            return {{std::min(a.first, b.first), std::max(a.last, b.last)}};
        return {a, b};
    }

    // The alerts of the days in reach, the two duties exchanged day for day, checked from
    // those days and the weeks around them only: the rest of the year cannot change them, and
    // copying it for each duty tried would cost more than the check.
    QList<RuleAlert> alertsIn(const QList<Reach>& reach,
                              const QHash<qsizetype, qsizetype>& held) const
    {
        QList<RuleAlert> alerts;
        for (const Reach& days : reach) {
            RosterFacts around{{}, {}, facts_.participants, facts_.absences, facts_.presences};
            for (qsizetype index = 0; index < facts_.days.size(); ++index) {
                RosterDay day = dayAt(index);
                if (day.date < days.first.addDays(-reach_) || day.date > days.last.addDays(reach_))
                    continue;
                const RosterDay& holder = dayAt(held.value(index, index));
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
    std::optional<qsizetype> clearedBySwapWith(const QList<qsizetype>& other) const
    {
        const QList<Reach> reach = reachOf(other);
        QList<RuleAlert> before;
        for (const Reach& days : reach) {
            std::copy_if(
                yearAlerts_.cbegin(), yearAlerts_.cend(), std::back_inserter(before),
                [&days](const RuleAlert& a) { return days.first <= a.day && a.day <= days.last; });
        }
        QHash<qsizetype, qsizetype> held;
        for (qsizetype i = 0; i < block_.size(); ++i) {
            held.insert(block_.at(i), other.at(i));
            held.insert(other.at(i), block_.at(i));
        }
        const QList<RuleAlert> after = alertsIn(reach, held);
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
    // The alert's day and the other days of its duty, by their places in the year.
    QList<qsizetype> block_;
    QList<RuleAlert> yearAlerts_;
};

} // namespace

QList<SwapProposal> ProposeSwaps(const RosterFacts& facts, const RosterRules& rules,
                                 const RuleAlert& alert)
{
    return SwapFinder(facts, rules, alert).find();
}
