// The correction of a year: a 12-doctor year with about 40 alerts, corrected over the whole
// year and over the weeks around its alerts alone; then 40- and 80-doctor years. Prints each
// time, whether the answer is proven best, and how many days it changes.

#include "BenchTiming.h"
#include "planning/RosterRepair.h"
#include "store/Calendar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int Year = 2027;

// A year shared out in turn among the doctors, weekdays one by one and weekends whole, each
// doctor away two weeks in the summer while keeping his days: the alerts to correct. Every
// seventh weekday goes to the doctor of the day before.
RepairRequest YearOf(int doctors)
{
    RepairRequest request;
    for (int i = 0; i < doctors; ++i) {
        const QString name = QStringLiteral("Dr %1").arg(i + 1);
        request.facts.participants.append(name);
        request.participants.append({{name, {}, {}, {}, {}, {}}, true, true, {}});
        const QDate away = QDate(Year, 6, 1).addDays(7 * (i % 14));
        request.facts.absences.append({name, away, away.addDays(13), {}});
    }
    int weekday = 0, weekend = 0, sinceRepeat = 0;
    bool previousWasWeekday = true;
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(1)) {
        const DayType type = DayTypeOf(day);
        QString holder;
        if (type == DayType::Weekday) {
            if (++sinceRepeat % 7 != 0)
                ++weekday;
            holder = request.facts.participants.at(weekday % doctors);
        } else {
            // A new weekend, or holidays after a weekday: the next doctor in turn.
            if (day.dayOfWeek() == Qt::Saturday || previousWasWeekday)
                ++weekend;
            holder = request.facts.participants.at((weekend * 5) % doctors);
        }
        request.facts.days.append({day, holder, type, false});
        previousWasWeekday = type == DayType::Weekday;
    }
    request.first = QDate(Year, 1, 1);
    request.last = QDate(Year, 12, 31);
    request.tolerance = 2;
    return request;
}

// The days farther than two weeks from every alert are kept as they are.
void KeepAwayFromAlerts(RepairRequest& request, const QList<RuleAlert>& alerts)
{
    for (const RosterDay& day : request.facts.days) {
        const bool near = std::any_of(alerts.cbegin(), alerts.cend(), [&](const RuleAlert& alert) {
            return std::abs(alert.day.daysTo(day.date)) <= 14;
        });
        if (!near)
            request.kept.insert(day.date);
    }
}

const char* StatusText(SolveResult::Status status)
{
    switch (status) {
    case SolveResult::Status::ProvenBest:
        return "proven best";
    case SolveResult::Status::BestFound:
        return "best found in the time allowed";
    case SolveResult::Status::NoAnswer:
        return "no answer";
    case SolveResult::Status::Impossible:
        return "impossible";
    }
    return "";
}

double LargestGap(const RepairProposal& proposal)
{
    double largest = 0;
    for (const RepairPoints& points : proposal.points)
        largest = std::max(largest, std::abs(points.after - points.share));
    return largest;
}

void Run(const char* what, const RepairRequest& request, double seconds)
{
    RepairProposal proposal;
    const double ms = Milliseconds([&] {
        proposal = ProposeRepair(request, *MakeMipSolver(), {seconds, nullptr, {}});
    });
    std::printf("  %-34s %9.0f ms, %s, points %s; alerts %lld -> %lld, %lld days changed, "
                "largest gap to a share %.1f\n",
                what, ms, StatusText(proposal.status),
                proposal.fairestProven ? "proven fairest" : "fairest found",
                static_cast<long long>(proposal.alertsBefore.size()),
                static_cast<long long>(proposal.alertsAfter.size()),
                static_cast<long long>(proposal.after.size()), LargestGap(proposal));
}

// "Arrêter" after a while: how long the search takes to see it.
void RunStopped(const char* what, const RepairRequest& request, int afterMs)
{
    std::atomic<bool> stop = false;
    QElapsedTimer sinceStop;
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        sinceStop.start();
        stop = true;
    });
    const RepairProposal proposal = ProposeRepair(request, *MakeMipSolver(), {60, &stop, {}});
    stopper.join();
    std::printf("  %-34s stopped after %d ms, returned %lld ms later, %s\n", what, afterMs,
                static_cast<long long>(sinceStop.elapsed()), StatusText(proposal.status));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // One run is the smoke run; the figures are those of a single solve each.
    const bool smoke = Iterations(app.arguments()) == 1;
    std::printf("correction of the year %d (each solve once)\n", Year);
    RepairRequest twelve = YearOf(12);
    Run("12 doctors, whole year:", twelve, smoke ? 5 : 60);
    const QList<RuleAlert> alerts =
        CheckRules(twelve.facts, twelve.rules, twelve.first, twelve.last);
    KeepAwayFromAlerts(twelve, alerts);
    Run("12 doctors, weeks around alerts:", twelve, smoke ? 5 : 60);
    if (smoke)
        return 0;
    Run("40 doctors, whole year:", YearOf(40), 60);
    for (const int afterMs : {500, 2000, 4000})
        RunStopped("40 doctors, whole year:", YearOf(40), afterMs);
    Run("80 doctors, whole year:", YearOf(80), 25);
    for (const int afterMs : {2000, 10000})
        RunStopped("80 doctors, whole year:", YearOf(80), afterMs);
    return 0;
}
