#include "reports/Fairness.h"

#include "store/Roster.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// The kinds of a day: the kind of its stored type, and the year-end's when it is one of those
// days; nothing for a day of unknown type.
QList<FairnessKind> KindsOf(const RosterDay& day)
{
    if (static_cast<int>(day.type) >= DayTypeCount)
        return {};
    QList<FairnessKind> kinds;
    if (day.type == DayType::Weekday)
        kinds.append(FairnessKind::Weekday);
    else if (day.type == DayType::Saturday)
        kinds.append(FairnessKind::Saturday);
    else if (WeekdayOf(day.date) == Sunday && !IsHoliday(day.date))
        kinds.append(FairnessKind::Sunday);
    else
        kinds.append(FairnessKind::Holiday);
    if (IsYearEndHoliday(day.date))
        kinds.append(FairnessKind::YearEnd);
    return kinds;
}

// The names holding a day: its participant, or those with an interval of it.
QSet<QString> Holders(const RosterDay& day, const QList<SharedInterval>& intervals)
{
    QSet<QString> holders;
    if (!day.doctor.isEmpty() && day.doctor != SharedDutyMarker)
        holders.insert(day.doctor);
    for (const SharedInterval& interval : intervals)
        holders.insert(interval.doctor);
    return holders;
}

// A duty's points by the kind of its day; the year-end days are counted in their own kind.
double WeightOf(int kind, const FairnessWeights& weights)
{
    switch (static_cast<FairnessKind>(kind)) {
    case FairnessKind::Weekday:
        return weights[0];
    case FairnessKind::Saturday:
        return weights[1];
    case FairnessKind::Sunday:
    case FairnessKind::Holiday:
        return weights[2];
    case FairnessKind::YearEnd:
        break;
    }
    return 0;
}

template <typename Days>
double Points(const Days& days, const FairnessWeights& weights,
              const std::array<bool, FairnessKindCount>& compared)
{
    double points = 0;
    for (int kind = 0; kind < FairnessKindCount; ++kind) {
        if (compared[kind])
            points += days[kind] * WeightOf(kind, weights);
    }
    return points;
}

// A participant's days over the years he was in a rotation, and what the rotation gave its
// members those years for as many days in the group.
struct Share {
    FairnessDays days{};
    std::array<double, FairnessKindCount> expected{};
};

class RotationCounter {
public:
    RotationCounter(int index, const RotationMembers& members, const FairnessWeights& weights)
        : index_(index)
        , members_(members)
        , weights_(weights)
        , rotation_{members.heading, {}, {}, 0, members.compared}
    {
    }

    void count(const FairnessYear& year)
    {
        const QStringList those = year.rotations.value(index_).doctors;
        // Each kind's days held for each day one of them could hold.
        std::array<double, FairnessKindCount> rate{};
        for (int kind = 0; kind < FairnessKindCount; ++kind) {
            double held = 0, open = 0;
            for (const QString& doctor : those) {
                held += year.days.value(doctor)[kind];
                open += year.available.value(doctor)[kind];
            }
            rate[kind] = open > 0 ? held / open : 0;
            rotation_.meanDays[kind] += rate[kind] * year.daysOfYear[kind];
        }
        for (const QString& doctor : members_.doctors) {
            if (!those.contains(doctor))
                continue;
            Share& share = shares_[doctor];
            for (int kind = 0; kind < FairnessKindCount; ++kind) {
                share.days[kind] += year.days.value(doctor)[kind];
                share.expected[kind] += rate[kind] * year.available.value(doctor)[kind];
            }
        }
        countOutsiders(year);
    }

    FairnessRotation result()
    {
        rotation_.meanPoints = Points(rotation_.meanDays, weights_, members_.compared);
        for (const QString& doctor : members_.doctors) {
            const Share share = shares_.value(doctor);
            FairnessLine line{doctor, share.days, 0, {}, 0, members_.compared};
            line.points = Points(share.days, weights_, members_.compared);
            for (int kind = 0; kind < FairnessKindCount; ++kind) {
                if (line.compared[kind])
                    line.difference[kind] = share.days[kind] - share.expected[kind];
            }
            line.pointsDifference =
                line.points - Points(share.expected, weights_, members_.compared);
            rotation_.lines.append(line);
        }
        QStringList outsiders = outsiders_.keys();
        outsiders.sort();
        for (const QString& doctor : outsiders)
            rotation_.lines.append({doctor, outsiders_.value(doctor), 0, {}, 0, {}});
        return rotation_;
    }

private:
    // The names outside the year's rotations, with days of the kinds this one shares out. A
    // member's days of a year he was not in it are his own line's business.
    void countOutsiders(const FairnessYear& year)
    {
        for (auto held = year.days.cbegin(); held != year.days.cend(); ++held) {
            const bool inAGroup = members_.doctors.contains(held.key()) ||
                                  std::any_of(year.rotations.cbegin(), year.rotations.cend(),
                                              [&held](const RotationMembers& rotation) {
                                                  return rotation.doctors.contains(held.key());
                                              });
            if (inAGroup || !holdsSharedOut(held.value()))
                continue;
            FairnessDays& days = outsiders_[held.key()];
            for (int kind = 0; kind < FairnessKindCount; ++kind)
                days[kind] += held.value()[kind];
        }
    }

    bool holdsSharedOut(const FairnessDays& days) const
    {
        for (int kind = 0; kind < FairnessKindCount; ++kind) {
            if (members_.compared[kind] &&
                static_cast<FairnessKind>(kind) != FairnessKind::YearEnd && days[kind] > 0)
                return true;
        }
        return false;
    }

    int index_;
    const RotationMembers& members_;
    const FairnessWeights& weights_;
    FairnessRotation rotation_;
    QHash<QString, Share> shares_;
    QHash<QString, FairnessDays> outsiders_;
};

} // namespace

FairnessYear CountFairness(const Roster& roster)
{
    const QHash<QDate, QList<SharedInterval>> intervals = roster.allIntervals();
    FairnessYear year{roster.year(), {}, {}, {}, Rotations(roster.participantRows())};
    for (const RosterDay& day : roster.days()) {
        const QList<FairnessKind> kinds = KindsOf(day);
        const QSet<QString> holders = Holders(day, intervals.value(day.date));
        for (const FairnessKind kind : kinds) {
            const int column = static_cast<int>(kind);
            ++year.daysOfYear[column];
            for (const QString& doctor : holders)
                ++year.days[doctor][column];
            for (const Participant& participant : roster.participantRows()) {
                if (participant.presence.includes(day.date))
                    ++year.available[participant.data.doctor][column];
            }
        }
    }
    return year;
}

QList<RotationMembers> Rotations(const QList<Participant>& participants)
{
    // The year-end days are everyone's concern: both rotations compare them.
    RotationMembers weekdays{
        QStringLiteral("Gardes de semaine"), {}, {true, false, false, false, true}};
    RotationMembers weekends{
        QStringLiteral("Gardes de week-ends et jours fériés"), {}, {false, true, true, true, true}};
    for (const Participant& participant : participants) {
        if (participant.weekdays)
            weekdays.doctors.append(participant.data.doctor);
        if (participant.weekends)
            weekends.doctors.append(participant.data.doctor);
    }
    return {weekdays, weekends};
}

QList<FairnessRotation> ComputeFairness(const QList<FairnessYear>& ledger,
                                        const QList<RotationMembers>& rotations,
                                        const FairnessWeights& weights)
{
    QList<FairnessRotation> result;
    for (int index = 0; index < rotations.size(); ++index) {
        const RotationMembers& members = rotations.at(index);
        if (members.doctors.isEmpty())
            continue;
        RotationCounter counter(index, members, weights);
        for (const FairnessYear& year : ledger)
            counter.count(year);
        result.append(counter.result());
    }
    return result;
}

const std::array<QString, FairnessColumnCount>& FairnessHeadings()
{
    static const std::array<QString, FairnessColumnCount> headings = {
        QStringLiteral("Jours de semaine"), QStringLiteral("Samedis"),
        QStringLiteral("Dimanches"),        QStringLiteral("Fériés"),
        QStringLiteral("Fin d'année"),      QStringLiteral("Points")};
    return headings;
}

QString FairnessNumber(double value)
{
    // Rounded first, so that no "-0" is shown for a difference just below zero.
    const double rounded = std::round(value * 10) / 10;
    return QLocale(QLocale::French)
        .toString(rounded == 0 ? 0.0 : rounded, 'f', QLocale::FloatingPointShortest);
}

std::array<QString, FairnessColumnCount> FairnessCells(const FairnessLine& line)
{
    const auto cell = [](double value, double difference) {
        const QString sign = std::round(difference * 10) > 0 ? QStringLiteral("+") : QString();
        return QStringLiteral("%1 (%2%3)")
            .arg(FairnessNumber(value), sign, FairnessNumber(difference));
    };
    std::array<QString, FairnessColumnCount> cells;
    for (int kind = 0; kind < FairnessKindCount; ++kind)
        cells[kind] = line.compared[kind] ? cell(line.days[kind], line.difference[kind])
                                          : FairnessNumber(line.days[kind]);
    // A name outside the group has no points to compare.
    const bool compared =
        std::find(line.compared.cbegin(), line.compared.cend(), true) != line.compared.cend();
    cells[FairnessKindCount] = compared ? cell(line.points, line.pointsDifference) : QString();
    return cells;
}

std::array<QString, FairnessColumnCount> MeanCells(const FairnessRotation& rotation)
{
    std::array<QString, FairnessColumnCount> cells;
    for (int kind = 0; kind < FairnessKindCount; ++kind) {
        if (rotation.compared[kind])
            cells[kind] = FairnessNumber(rotation.meanDays[kind]);
    }
    cells[FairnessKindCount] = FairnessNumber(rotation.meanPoints);
    return cells;
}

bool IsBeyondOneDuty(const FairnessLine& line, int column)
{
    return column < FairnessKindCount && std::abs(line.difference[column]) > 1;
}

QString YearsText(const QList<int>& years)
{
    QStringList texts;
    for (int year : years)
        texts.append(QString::number(year));
    if (texts.size() < 2)
        return texts.join(QString());
    const QString last = texts.takeLast();
    return texts.join(QStringLiteral(", ")) + QStringLiteral(" et ") + last;
}

QString FairnessTitle(const QList<int>& years)
{
    return (years.size() > 1 ? QStringLiteral("Équité des tours de garde ")
                             : QStringLiteral("Équité du tour de garde ")) +
           YearsText(years);
}
