#include "planning/RosterRepair.h"
#include "store/Calendar.h"

#include <QTest>

#include <functional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QStringList Doctors{"A", "B", "C"};

// March 2011 from the 1st to the day given, held as told ("5 A", or "10 A 0 12 B 12 24" for a
// shared day), A, B and C in both rotations, A away on the days given.
RepairRequest Request(int lastDay, const QStringList& duties, const QList<int>& awayDays = {})
{
    RepairRequest request;
    for (int day = 1; day <= lastDay; ++day) {
        const QDate date(2011, 3, day);
        request.facts.days.append({date, {}, DayTypeOf(date), false});
    }
    for (const QString& duty : duties) {
        const QStringList part = duty.split(' ');
        const QDate day(2011, 3, part[0].toInt());
        request.facts.days[day.day() - 1].doctor = part.size() == 2 ? part[1] : SharedDutyMarker;
        for (qsizetype i = 1; i + 2 < part.size(); i += 3)
            request.facts.intervals[day].append(
                {part[i], part[i + 1].toDouble(), part[i + 2].toDouble()});
    }
    request.facts.participants = Doctors;
    for (const int day : awayDays)
        request.facts.absences.append({"A", {2011, 3, day}, {2011, 3, day}, {}});
    for (const QString& doctor : Doctors)
        request.participants.append({{doctor, {}, {}, {}, {}, {}}, true, true, {}});
    request.first = QDate(2011, 3, 1);
    request.last = QDate(2011, 3, lastDay);
    request.tolerance = 100;
    return request;
}

// The alerts of the rules the correction must keep (a day left empty is counted apart).
qsizetype RuleAlerts(const RosterFacts& facts, const RosterRules& rules)
{
    const QList<RuleAlert> alerts =
        CheckRules(facts, rules, facts.days.constFirst().date, facts.days.constLast().date);
    return std::count_if(alerts.cbegin(), alerts.cend(),
                         [](const RuleAlert& alert) { return alert.rule != Rule::DayWithoutDuty; });
}

// The largest gap between a participant's points and his share, by these shares.
double LargestGap(const QList<RosterDay>& days, const QList<RepairPoints>& shares,
                  const FairnessWeights& weights)
{
    double largest = 0;
    for (const RepairPoints& share : shares) {
        double points = 0;
        for (const RosterDay& day : days) {
            if (day.doctor == share.doctor && (day.type != DayType::Weekday) == share.weekends)
                points += weights.at(static_cast<int>(day.type));
        }
        largest = std::max(largest, std::abs(points - share.share));
    }
    return largest;
}

struct Best {
    int changes = -1;
    double largestGap = 0;
};

// The fewest days to change for no alert, every day held, a weekend by one participant, and
// among those the smallest largest gap to the shares: found by trying every assignment.
Best BestCorrection(const RepairRequest& request, const QList<RepairPoints>& shares = {})
{
    const QList<RosterDay> days = request.facts.days;
    RosterFacts tried = request.facts;
    Best best;
    const std::function<void(qsizetype, int)> tryFrom = [&](qsizetype i, int changed) {
        if (best.changes >= 0 && changed > best.changes)
            return;
        if (i == days.size()) {
            if (RuleAlerts(tried, request.rules) != 0)
                return;
            const double gap = LargestGap(tried.days, shares, request.weights);
            if (best.changes < 0 || changed < best.changes || gap < best.largestGap)
                best = {changed, gap};
            return;
        }
        const bool sameDuty =
            i > 0 && days.at(i).type != DayType::Weekday && days.at(i - 1).type != DayType::Weekday;
        for (const QString& doctor : Doctors) {
            if (sameDuty && doctor != tried.days.at(i - 1).doctor)
                continue;
            tried.days[i].doctor = doctor;
            tryFrom(i + 1, changed + (doctor != days.at(i).doctor ? 1 : 0));
        }
    };
    tryFrom(0, 0);
    return best;
}

int FewestChanges(const RepairRequest& request)
{
    return BestCorrection(request).changes;
}

RepairProposal Solve(const RepairRequest& request)
{
    return ProposeRepair(request, *MakeMipSolver(), {});
}

} // namespace

class TestRosterRepair : public QObject {
    Q_OBJECT

private slots:
    // Eight days, tried every way: the correction changes exactly as few days as can be, and
    // leaves no alert; a weekend stays with one participant; among those corrections, its
    // points lie as near the shares as can be.
    void fewestChanges_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("duties");
        QTest::addColumn<QList<int>>("away");
        QTest::addColumn<double>("owedToC");
        const QStringList fair{"1 A", "2 B", "3 C", "4 A", "5 B", "6 B", "7 C", "8 A"};
        QTest::newRow("nothing to correct") << 8 << fair << QList<int>{} << 0.0;
        QTest::newRow("two days running")
            << 8 << QStringList{"1 A", "2 A", "3 C", "4 B", "5 B", "6 B", "7 C", "8 A"}
            << QList<int>{} << 0.0;
        QTest::newRow("the Monday after his weekend, a weekend split")
            << 8 << QStringList{"1 A", "2 B", "3 C", "4 A", "5 C", "6 B", "7 B", "8 A"}
            << QList<int>{} << 0.0;
        QTest::newRow("on duty while away, a day empty")
            << 8 << QStringList{"1 A", "2 B", "3 A", "4 C", "5 B", "6 B", "7 C"} << QList<int>{3, 4}
            << 0.0;
        // Two changes clear both alerts in several ways; only C holding two days is fair to him.
        QTest::newRow("among the fewest changes, the fairest")
            << 4 << QStringList{"1 A", "2 A", "3 B", "4 B"} << QList<int>{} << 1.0;
    }

    void fewestChanges()
    {
        QFETCH(int, days);
        QFETCH(QStringList, duties);
        QFETCH(QList<int>, away);
        QFETCH(double, owedToC);
        RepairRequest request = Request(days, duties, away);
        request.owed[0].insert("C", owedToC);

        const RepairProposal proposal = Solve(request);

        QCOMPARE(proposal.status, SolveResult::Status::ProvenBest);
        QVERIFY(proposal.fairestProven);
        const Best best = BestCorrection(request, proposal.points);
        QCOMPARE(proposal.after.size(), best.changes);
        RosterFacts after = request.facts;
        for (const DatedDuty& changed : proposal.after)
            after.days[request.first.daysTo(changed.day)].doctor = changed.duty.doctor;
        QCOMPARE(LargestGap(after.days, proposal.points, request.weights), best.largestGap);
        QCOMPARE(proposal.alertsAfter, QList<RuleAlert>());
        QVERIFY(proposal.problems.isEmpty());
    }

    // Days before the first that may change, kept and shared days stay as they are; the others
    // are corrected within the tolerance of each share.
    void whatMayNotChangeStays()
    {
        RepairRequest request =
            Request(14, {"1 A", "2 A", "3 A", "4 A", "5 A", "6 A", "7 A", "8 A", "9 A",
                         "10 A 0 12 B 12 24", "11 A", "12 A", "13 A", "14 A"});
        request.first = QDate(2011, 3, 3);
        request.kept = {QDate(2011, 3, 8)};
        request.tolerance = 2;

        const RepairProposal proposal = Solve(request);

        QVERIFY(!proposal.after.isEmpty());
        for (const DatedDuty& changed : proposal.after) {
            QVERIFY(changed.day >= request.first);
            QVERIFY(changed.day != QDate(2011, 3, 8) && changed.day != QDate(2011, 3, 10));
        }
        for (const RepairPoints& points : proposal.points)
            QVERIFY2(std::abs(points.after - points.share) <= 2 || !proposal.problems.isEmpty(),
                     qPrintable(points.doctor));
        // A, on duty on the fixed 2nd, 8th and 10th, cannot hold the days around them.
        for (const RuleAlert& alert : proposal.alertsAfter)
            QVERIFY2(alert.day <= QDate(2011, 3, 3) || alert.day == QDate(2011, 3, 9) ||
                         alert.day == QDate(2011, 3, 11),
                     qPrintable(alert.text));
    }

    // What earlier years left a participant short of is added to his share this year, and a
    // correction makes up for it within the tolerance.
    void earlierYearsMoveTheShares()
    {
        RepairRequest request =
            Request(8, {"1 A", "2 B", "3 C", "4 A", "5 B", "6 B", "7 C", "8 A"});
        const RepairProposal plain = Solve(request);
        request.owed[0].insert("B", 3);
        request.tolerance = 0.5;
        const RepairProposal owed = Solve(request);
        QCOMPARE(owed.points.at(1).share, plain.points.at(1).share + 3);
        QCOMPARE(owed.points.at(1).owed, 3);
        QVERIFY(owed.points.at(1).after > plain.points.at(1).after);
    }

    // A holiday Monday continues a weekend only for whoever holds its Sunday: with the Sunday
    // kept for another, the Saturday's doctor does not get the Monday.
    void aKeptSundayBetweenSaturdayAndHolidayMonday()
    {
        RepairRequest request = Request(1, {});
        request.facts.days.clear();
        for (QDate day(2011, 4, 21); day <= QDate(2011, 4, 27); day = day.addDays(1))
            request.facts.days.append({day, {}, DayTypeOf(day), false});
        request.facts.days[2].doctor = "A"; // Saturday 23 April
        request.facts.days[3].doctor = "C"; // Easter Sunday, kept
        request.facts.days[4].doctor = "A"; // Easter Monday
        request.first = QDate(2011, 4, 21);
        request.last = QDate(2011, 4, 27);
        request.kept = {QDate(2011, 4, 24)};

        QVERIFY(RuleAlerts(request.facts, request.rules) > 0);

        const RepairProposal proposal = Solve(request);

        QCOMPARE(proposal.alertsAfter, QList<RuleAlert>());
    }

    // A participant holding a day outside his rotation keeps it when nothing asks for a change.
    void aDayOutsideHisRotationIsKept()
    {
        RepairRequest request =
            Request(8, {"1 A", "2 B", "3 C", "4 A", "5 C", "6 C", "7 B", "8 A"});
        request.participants[0].weekends = false;
        request.participants[1].weekends = false;
        request.participants[2].weekdays = false;
        QCOMPARE(RuleAlerts(request.facts, request.rules), 0);

        QCOMPARE(Solve(request).after, QList<DatedDuty>());
    }

    // From a reference year that keeps every rule (the rotation), the correction takes each day
    // back to it.
    void backToTheReference()
    {
        RepairRequest request =
            Request(8, {"1 A", "2 A", "3 C", "4 B", "5 B", "6 B", "7 C", "8 A"});
        const QStringList reference{"A", "B", "C", "A", "B", "B", "C", "A"};
        for (qsizetype i = 0; i < reference.size(); ++i)
            request.reference.insert(request.facts.days.at(i).date, reference.at(i));

        const RepairProposal proposal = Solve(request);

        QCOMPARE(proposal.after, (QList<DatedDuty>{{QDate(2011, 3, 2), {"B", {}}},
                                                   {QDate(2011, 3, 4), {"A", {}}}}));
    }

    // Two rosters corrected at the same time each get their own answer.
    void twoCorrectionsAtOnce()
    {
        const RepairRequest request =
            Request(8, {"1 A", "2 A", "3 C", "4 B", "5 B", "6 B", "7 C", "8 A"});
        const RepairRequest other = Request(8, {"1 A", "2 B", "3 A", "4 C", "5 B", "6 B", "7 C"});
        RepairProposal first, second;
        std::thread one([&] { first = Solve(request); });
        std::thread two([&] { second = Solve(other); });
        one.join();
        two.join();
        QCOMPARE(first.after.size(), FewestChanges(request));
        QCOMPARE(second.after.size(), FewestChanges(other));
        QCOMPARE(first.alertsAfter, QList<RuleAlert>());
        QCOMPARE(second.alertsAfter, QList<RuleAlert>());
    }

    // A day no participant may hold stays empty, and the user is told why.
    void aDayNobodyMayHold()
    {
        RepairRequest request = Request(4, {"1 A", "2 B", "3 C"}, {4});
        request.facts.absences.append({"B", {2011, 3, 4}, {2011, 3, 4}, {}});
        request.facts.absences.append({"C", {2011, 3, 4}, {2011, 3, 4}, {}});

        const RepairProposal proposal = Solve(request);

        QCOMPARE(proposal.problems,
                 QStringList{u"Personne ne peut être de garde le 4 mars : les participants du tour "
                             "de semaine sont absents ou hors du groupe."_s});
        QVERIFY(proposal.after.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRosterRepair)
#include "tst_rosterrepair.moc"
