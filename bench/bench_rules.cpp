// Time to check the group's rules on a year of 200 participants whose 366 days are all shared,
// every participant away twice: the whole year, and the weeks around an edited day.
// Prints the medians in milliseconds.
#include "BenchTiming.h"
#include "rules/RuleCheck.h"
#include "rules/SwapProposals.h"
#include "store/Calendar.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int Year = 2012;
constexpr int ParticipantCount = 200;

RosterFacts SharedYear()
{
    RosterFacts facts;
    for (int i = 0; i < ParticipantCount; ++i)
        facts.participants.append(QStringLiteral("Dr Participant %1").arg(i));
    int turn = 0;
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(1)) {
        facts.days.append({day, SharedDutyMarker, DayTypeOf(day), false});
        // Three intervals a day, leaving half an hour uncovered now and then.
        const double gap = turn % 7 == 0 ? 0.5 : 0;
        facts.intervals[day] = {{facts.participants.at(turn++ % ParticipantCount), 0, 8},
                                {facts.participants.at(turn++ % ParticipantCount), 8 + gap, 16},
                                {facts.participants.at(turn++ % ParticipantCount), 16, 24}};
    }
    for (int i = 0; i < ParticipantCount; ++i) {
        const QDate start = QDate(Year, 1, 1).addDays(i);
        facts.absences.append({facts.participants.at(i), start, start.addDays(6), "Congés"});
        facts.absences.append(
            {facts.participants.at(i), start.addDays(150), start.addDays(160), {}});
    }
    return facts;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int iterations = Iterations(app.arguments());
    const RosterFacts facts = SharedYear();
    RosterRules rules;
    rules.dayWithoutDuty = true;
    qsizetype alerts = 0;
    const double year = MedianMilliseconds(iterations, [&] {
        alerts = CheckRules(facts, rules, {Year, 1, 1}, {Year, 12, 31}).size();
    });
    // The weeks around a day, whose alerts an edit of it can change.
    const double edit = MedianMilliseconds(iterations, [&] {
        CheckRules(facts, rules, {Year, 5, 26}, {Year, 7, 7});
    });
    // The exchanges proposed for an alert: every day of the year is tried.
    const QList<RuleAlert> found = CheckRules(facts, rules, {Year, 1, 1}, {Year, 12, 31});
    qsizetype proposals = 0;
    const double swaps = found.isEmpty() ? 0 : MedianMilliseconds(iterations, [&] {
        proposals = ProposeSwaps(facts, rules, found.first()).size();
    });
    std::printf(
        "rules of %d, %d participants, 366 shared days, median of %d runs (target < 5 ms)\n", Year,
        ParticipantCount, iterations);
    std::printf("  whole year:         %6.2f ms (%lld alerts)\n", year,
                static_cast<long long>(alerts));
    std::printf("  weeks around a day: %6.2f ms\n", edit);
    std::printf("  exchanges proposed for an alert: %6.2f ms (%lld days)\n", swaps,
                static_cast<long long>(proposals));
    return 0;
}
