#include "planning/RosterRepair.h"

#include "document/EditTexts.h"
#include "rules/DutyBlocks.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// A number of points as the window writes it: "2,0", "1,5".
QString EditNumber(double value)
{
    return QLocale(QLocale::French).toString(value, 'f', 1);
}

// What each unit of the objective costs, far enough apart that each goal comes first: a day left
// empty, a point beyond the tolerance (a hundredth of one weighs as a changed day), a day
// changed. The gap to one's share within the tolerance is left to a second search among the
// answers as good as the first: weighed in the same search, it keeps the solver from proving
// any answer best in a time a user would wait.
constexpr double EmptyDayCost = 1e7;
constexpr double BeyondToleranceCost = 1e5;
constexpr double ChangedDayCost = 1e3;

// Whether a participant holds a day: an unknown of the program, or known already.
struct Holding {
    int column = -1;
    double known = 0;
};

// The correction stated as a program: one 0/1 unknown for each day that may change and each
// participant who may hold it, one more for the day left empty.
class RepairModel {
public:
    explicit RepairModel(const RepairRequest& request)
        : request_(request)
        , days_(request.facts.days)
    {
        for (const bool weekends : {false, true}) {
            members_[weekends] = membersOf(weekends);
            countShares(weekends);
        }
        for (qsizetype i = 0; i < days_.size(); ++i)
            addDay(i);
        addBlocks();
        addRules();
        addFairness();
    }

    const MixedIntegerProgram& program() const { return program_; }

    // The same correction, no worse by the first goals than the answer found, with the largest
    // gap between a participant's points and his share as small as can be; the found answer
    // starts the search.
    MixedIntegerProgram fairerProgram(const SolveResult& found) const
    {
        MixedIntegerProgram fairer = program_;
        QList<MixedIntegerProgram::Term> cost;
        for (qsizetype column = 0; column < fairer.columns.size(); ++column) {
            if (fairer.columns.at(column).cost != 0)
                cost.append({static_cast<int>(column), fairer.columns.at(column).cost});
            fairer.columns[column].cost = 0;
        }
        // Half a unit of slack: a changed day, the cheapest of the first goals, costs a thousand.
        fairer.addRow(cost, -MixedIntegerProgram::Infinity, found.cost + 0.5);
        const int largest = fairer.addNonNegative(1);
        for (const int gap : gaps_)
            fairer.addRow({{gap, 1}, {largest, -1}}, -MixedIntegerProgram::Infinity, 0);
        fairer.start = found.values;
        double most = 0;
        for (const int gap : gaps_)
            most = std::max(most, found.values.at(gap));
        fairer.start.append(most);
        return fairer;
    }

    // Why what the answer leaves cannot be cleared: days without anyone though some could hold
    // them, alerts on days that may not change, points beyond the tolerance.
    QStringList whatRemains(const QList<RosterDay>& after, const QList<RuleAlert>& alerts,
                            const QList<RepairPoints>& points, bool provenBest) const
    {
        QStringList remains;
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (changeable_.at(i) && columns_.at(i).size() > 1 && after.at(i).doctor.isEmpty())
                remains.append(
                    (provenBest ? QStringLiteral("Le %1 reste sans garde : les règles ne laissent "
                                                 "personne libre ce jour.")
                                : QStringLiteral("Le %1 reste sans garde : la recherche s'est "
                                                 "arrêtée avant de lui trouver quelqu'un."))
                        .arg(DayText(after.at(i).date)));
        }
        for (const RuleAlert& alert : alerts) {
            const qsizetype i = days_.first().date.daysTo(alert.day);
            if (!changeable_.value(i) && alert.rule != Rule::DayWithoutDuty)
                remains.append(QStringLiteral("%1 le %2 : ce jour ne peut pas changer (partagé, "
                                              "gardé tel quel ou hors de la période).")
                                   .arg(alert.text, DayText(alert.day)));
        }
        for (const RepairPoints& held : points) {
            if (std::abs(held.after - held.share) > request_.tolerance + 1e-6)
                remains.append(QStringLiteral("%1 (tour %2) a %3 points de %4 que sa part, "
                                              "au-delà de la tolérance.")
                                   .arg(held.doctor,
                                        held.weekends ? QStringLiteral("des week-ends et fériés")
                                                      : QStringLiteral("de semaine"),
                                        EditNumber(std::abs(held.after - held.share)),
                                        held.after > held.share ? QStringLiteral("plus")
                                                                : QStringLiteral("moins")));
        }
        return remains;
    }
    const QStringList& problems() const { return problems_; }

    // The days the answer changes, as they are and as it leaves them.
    void readAnswer(const QList<double>& values, RepairProposal& proposal) const
    {
        for (qsizetype i = 0; i < days_.size(); ++i) {
            if (!changeable_.value(i))
                continue;
            QString holder;
            for (auto it = columns_.at(i).cbegin(); it != columns_.at(i).cend(); ++it) {
                if (values.at(it.value()) > 0.5)
                    holder = it.key();
            }
            if (holder != days_.at(i).doctor) {
                proposal.before.append({days_.at(i).date, {days_.at(i).doctor, {}}});
                proposal.after.append({days_.at(i).date, {holder, {}}});
            }
        }
    }

    // Each rotation member's points with these days, and his share of his rotation's.
    QList<RepairPoints> points(const QList<RosterDay>& days) const
    {
        QList<RepairPoints> points;
        for (const bool weekends : {false, true}) {
            for (const QString& doctor : members_[weekends]) {
                double held = 0;
                for (const RosterDay& day : days) {
                    if (inRotation(day, weekends) && holdersOf(day).contains(doctor))
                        held += weight(day);
                }
                points.append({doctor, weekends, held, held, share(doctor, weekends),
                               request_.owed.at(weekends).value(doctor)});
            }
        }
        return points;
    }

private:
    static bool inRotation(const RosterDay& day, bool weekends)
    {
        return (day.type != DayType::Weekday) == weekends;
    }

    double weight(const RosterDay& day) const
    {
        return request_.weights.at(static_cast<int>(day.type));
    }

    QStringList membersOf(bool weekends) const
    {
        QStringList members;
        for (const Participant& participant : request_.participants) {
            if (weekends ? participant.weekends : participant.weekdays)
                members.append(participant.data.doctor);
        }
        return members.isEmpty() ? request_.facts.participants : members;
    }

    bool isAway(const QString& doctor, QDate day) const
    {
        if (!request_.facts.presences.value(doctor).includes(day))
            return true;
        return std::any_of(request_.facts.absences.cbegin(), request_.facts.absences.cend(),
                           [&](const Absence& absence) {
                               return absence.doctor == doctor && absence.first <= day &&
                                      day <= absence.last;
                           });
    }

    QStringList holdersOf(const RosterDay& day) const
    {
        if (day.doctor != SharedDutyMarker)
            return day.doctor.isEmpty() ? QStringList() : QStringList{day.doctor};
        QStringList holders;
        for (const SharedInterval& interval : request_.facts.intervals.value(day.date))
            holders.append(interval.doctor);
        return holders;
    }

    void addDay(qsizetype i)
    {
        const RosterDay& day = days_.at(i);
        const bool changeable = request_.first <= day.date && day.date <= request_.last &&
                                day.doctor != SharedDutyMarker && !request_.kept.contains(day.date);
        changeable_.append(changeable);
        columns_.append(QHash<QString, int>());
        if (!changeable)
            return;
        QHash<QString, int>& columns = columns_.last();
        const bool weekends = day.type != DayType::Weekday;
        for (const QString& doctor : candidates(day, weekends)) {
            if (!isAway(doctor, day.date))
                columns.insert(doctor, program_.addBinary(0));
        }
        // Nobody is the empty name: the day left without anyone.
        columns.insert(QString(), program_.addBinary(EmptyDayCost));
        if (columns.size() == 1)
            problems_.append(
                QStringLiteral("Personne ne peut être de garde le %1 : les participants du tour de "
                               "%2 sont absents ou hors du groupe.")
                    .arg(DayText(day.date),
                         weekends ? QStringLiteral("week-end") : QStringLiteral("semaine")));
        QList<MixedIntegerProgram::Term> one;
        for (const int column : std::as_const(columns))
            one.append({column, 1});
        program_.addRow(one, 1, 1);
        // Keeping the day as it is (or as the reference has it) costs nothing; changing it
        // costs a change.
        const int kept = columns.value(request_.reference.value(day.date, day.doctor), -1);
        if (kept >= 0)
            program_.columns[kept].cost -= ChangedDayCost;
    }

    // Who may hold a day: his rotation's members, and the participant who holds it now or in
    // the reference though outside it (the eve of a holiday goes with the weekend's rotation):
    // he may keep it.
    QStringList candidates(const RosterDay& day, bool weekends)
    {
        QStringList candidates = members_[weekends];
        for (const QString& holder : {day.doctor, request_.reference.value(day.date)}) {
            if (request_.facts.participants.contains(holder) && !candidates.contains(holder)) {
                candidates.append(holder);
                if (!outsiders_.contains(holder))
                    outsiders_.append(holder);
            }
        }
        return candidates;
    }

    Holding holding(qsizetype i, const QString& doctor) const
    {
        if (i < 0 || i >= days_.size())
            return {};
        if (changeable_.at(i))
            return {columns_.at(i).value(doctor, -1), 0};
        return {-1, holdersOf(days_.at(i)).contains(doctor) ? 1.0 : 0.0};
    }

    // At most `limit` of these holdings are true; nothing to state when all are known. Days
    // that cannot change and already reach the limit leave nothing to the others.
    void addLimit(const QList<Holding>& holdings, double limit)
    {
        QList<MixedIntegerProgram::Term> terms;
        double known = 0;
        for (const Holding& holding : holdings) {
            if (holding.column >= 0)
                terms.append({holding.column, 1});
            known += holding.known;
        }
        if (!terms.isEmpty())
            program_.addRow(terms, -MixedIntegerProgram::Infinity, std::max(0.0, limit - known));
    }

    QStringList everyone() const
    {
        QStringList doctors = members_[false];
        for (const QString& doctor : members_[true] + outsiders_) {
            if (!doctors.contains(doctor))
                doctors.append(doctor);
        }
        return doctors;
    }

    // The days of a weekend and the holidays next to it go to one participant, or to nobody.
    void addBlocks()
    {
        // Nobody (the empty name) holds both days too, or neither.
        const QStringList holders = everyone() + QStringList{QString()};
        for (qsizetype i = 1; i < days_.size(); ++i) {
            if (!changeable_.at(i - 1) || !changeable_.at(i) ||
                days_.at(i - 1).type == DayType::Weekday || days_.at(i).type == DayType::Weekday)
                continue;
            for (const QString& doctor : holders) {
                const int before = columns_.at(i - 1).value(doctor, -1);
                const int after = columns_.at(i).value(doctor, -1);
                QList<MixedIntegerProgram::Term> terms;
                if (before >= 0)
                    terms.append({before, 1});
                if (after >= 0)
                    terms.append({after, -1});
                if (!terms.isEmpty())
                    program_.addRow(terms, 0, 0);
            }
        }
    }

    void addRules()
    {
        const RosterRules& rules = request_.rules;
        const QStringList doctors = everyone();
        for (qsizetype i = 1; i < days_.size(); ++i) {
            const bool continues = ContinuesDuty(days_.at(i - 1).type, days_.at(i).type);
            const bool monday = days_.at(i).date.dayOfWeek() == Qt::Monday;
            for (const QString& doctor : doctors) {
                if ((rules.twoDaysRunning || (rules.dayAfterWeekend && monday)) && !continues)
                    addLimit({holding(i - 1, doctor), holding(i, doctor)}, 1);
                // A holiday Monday continues his weekend only when he holds its Sunday too: the
                // weekend's days are tied together unless one of them cannot change.
                const bool sundayTied = changeable_.at(i - 1) && changeable_.at(i);
                const bool holdsSunday = holding(i - 1, doctor).known > 0;
                if (rules.dayAfterWeekend && monday &&
                    (!continues || (!sundayTied && !holdsSunday)))
                    addLimit({holding(i - 2, doctor), holding(i, doctor)}, 1);
            }
        }
        if (rules.tooManyWeekends)
            addWeekendRuns(doctors);
    }

    // No more weekends on duty than allowed in any run of consecutive ones: a weekend is his
    // when he holds its Saturday or its Sunday.
    void addWeekendRuns(const QStringList& doctors)
    {
        const RosterRules& rules = request_.rules;
        // A year that starts on a Sunday starts with the weekend of the Saturday before it.
        QList<qsizetype> saturdays;
        if (days_.first().date.dayOfWeek() == Qt::Sunday)
            saturdays.append(-1);
        for (qsizetype i = 0; i < days_.size(); ++i) {
            if (days_.at(i).date.dayOfWeek() == Qt::Saturday)
                saturdays.append(i);
        }
        const int window = std::max(1, rules.weekendsWindow);
        for (const QString& doctor : doctors) {
            QList<Holding> worked;
            for (const qsizetype saturday : std::as_const(saturdays))
                worked.append(weekendOf(saturday, doctor));
            for (qsizetype start = 0; start + window <= worked.size(); ++start)
                addLimit(worked.mid(start, window), rules.weekendsAllowed);
        }
    }

    Holding weekendOf(qsizetype saturday, const QString& doctor)
    {
        const Holding days[] = {holding(saturday, doctor), holding(saturday + 1, doctor)};
        if (days[0].known > 0 || days[1].known > 0)
            return {-1, 1};
        if (days[0].column < 0 && days[1].column < 0)
            return {};
        const int worked = program_.addBinary(0);
        for (const Holding& day : days) {
            if (day.column >= 0)
                program_.addRow({{worked, 1}, {day.column, -1}}, 0, MixedIntegerProgram::Infinity);
        }
        return {worked, 0};
    }

    // Each member's share of his rotation's points, in proportion to the days he can hold, and
    // what earlier years owe him.
    double share(const QString& doctor, bool weekends) const
    {
        return shares_[weekends].value(doctor) + request_.owed.at(weekends).value(doctor);
    }

    void countShares(bool weekends)
    {
        double total = 0;
        QHash<QString, int> available;
        for (const RosterDay& day : days_) {
            if (!inRotation(day, weekends))
                continue;
            total += weight(day);
            for (const QString& member : members_[weekends])
                available[member] += isAway(member, day.date) ? 0 : 1;
        }
        int all = 0;
        for (const int days : std::as_const(available))
            all += days;
        for (const QString& member : members_[weekends])
            shares_[weekends].insert(member, all == 0 ? 0 : total * available.value(member) / all);
    }

    void addFairness()
    {
        for (const bool weekends : {false, true}) {
            for (const QString& doctor : members_[weekends])
                addFairness(doctor, weekends);
        }
    }

    // Points = known + Σ weight × holding; |points - share| = gap, kept within the tolerance.
    void addFairness(const QString& doctor, bool weekends)
    {
        QList<MixedIntegerProgram::Term> points;
        double known = 0;
        for (qsizetype i = 0; i < days_.size(); ++i) {
            if (!inRotation(days_.at(i), weekends))
                continue;
            const Holding held = holding(i, doctor);
            if (held.column >= 0)
                points.append({held.column, weight(days_.at(i))});
            known += held.known * weight(days_.at(i));
        }
        const double target = share(doctor, weekends) - known;
        const int gap = program_.addNonNegative(0);
        gaps_.append(gap);
        const int beyond = program_.addNonNegative(BeyondToleranceCost);
        QList<MixedIntegerProgram::Term> over = points, under = points;
        over.append({gap, -1});
        under.append({gap, 1});
        program_.addRow(over, -MixedIntegerProgram::Infinity, target);
        program_.addRow(under, target, MixedIntegerProgram::Infinity);
        program_.addRow({{gap, 1}, {beyond, -1}}, -MixedIntegerProgram::Infinity,
                        request_.tolerance);
    }

    const RepairRequest& request_;
    const QList<RosterDay>& days_;
    QStringList members_[2];
    // The participants who may keep a day outside their rotation.
    QStringList outsiders_;
    // Each member's share of his rotation's points this year, by the days he can hold.
    QHash<QString, double> shares_[2];
    QList<bool> changeable_;
    // By day: the column of each participant who may hold it, and of nobody (empty name).
    QList<QHash<QString, int>> columns_;
    // Each member's gap between his points and his share.
    QList<int> gaps_;
    MixedIntegerProgram program_;
    QStringList problems_;
};

QList<RosterDay> WithChanges(QList<RosterDay> days, const QList<DatedDuty>& changes)
{
    QHash<QDate, QString> holders;
    for (const DatedDuty& change : changes)
        holders.insert(change.day, change.duty.doctor);
    for (RosterDay& day : days) {
        if (holders.contains(day.date))
            day.doctor = holders.value(day.date);
    }
    return days;
}

// The best correction by the first goals, then the fairest among those as good. The second
// search takes no longer than the first did (two seconds at least), within the time allowed:
// proving the fairest can take far longer than the gain is worth.
SolveResult SolveInTwoSteps(const RepairModel& model, MipSolver& solver,
                            const SolveControl& control, bool& fairestProven)
{
    QElapsedTimer elapsed;
    elapsed.start();
    const SolveResult first = solver.solve(model.program(), control);
    const bool stopped = control.stop && control.stop->load();
    if (first.values.isEmpty() || stopped)
        return first;
    const double firstSeconds = elapsed.elapsed() / 1000.0;
    SolveControl rest = control;
    rest.secondsAllowed =
        std::max(1.0, std::min(control.secondsAllowed - firstSeconds, std::max(2.0, firstSeconds)));
    const SolveResult fairer = solver.solve(model.fairerProgram(first), rest);
    if (fairer.values.isEmpty())
        return first;
    fairestProven = fairer.status == SolveResult::Status::ProvenBest;
    return {first.status, fairer.values, first.cost};
}

} // namespace

RepairProposal ProposeRepair(const RepairRequest& request, MipSolver& solver,
                             const SolveControl& control)
{
    const RepairModel model(request);
    RepairProposal proposal;
    const QDate yearStart = request.facts.days.constFirst().date;
    const QDate yearEnd = request.facts.days.constLast().date;
    proposal.alertsBefore = CheckRules(request.facts, request.rules, yearStart, yearEnd);
    proposal.problems = model.problems();
    const SolveResult result = SolveInTwoSteps(model, solver, control, proposal.fairestProven);
    proposal.status = result.status;
    if (result.values.isEmpty())
        return proposal;
    model.readAnswer(result.values, proposal);
    RosterFacts after = request.facts;
    after.days = WithChanges(after.days, proposal.after);
    proposal.alertsAfter = CheckRules(after, request.rules, yearStart, yearEnd);
    proposal.points = model.points(request.facts.days);
    const QList<RepairPoints> afterPoints = model.points(after.days);
    for (qsizetype i = 0; i < proposal.points.size(); ++i)
        proposal.points[i].after = afterPoints.at(i).after;
    proposal.problems += model.whatRemains(after.days, proposal.alertsAfter, proposal.points,
                                           result.status == SolveResult::Status::ProvenBest);
    return proposal;
}
