#include "reports/Fairness.h"

#include "store/Roster.h"

#include <QLocale>
#include <QSet>

#include <cmath>
#include <optional>

namespace {

// The day's kind by its stored type, as the statistics take it: the organiser may have made a
// weekday a holiday. A Sunday that is also a public holiday counts as the holiday.
std::optional<FairnessKind> KindOf(const RosterDay& day)
{
    if (static_cast<int>(day.type) >= DayTypeCount)
        return std::nullopt;
    if (IsYearEndHoliday(day.date))
        return FairnessKind::YearEnd;
    if (day.type == DayType::Weekday)
        return FairnessKind::Weekday;
    if (day.type == DayType::Saturday)
        return FairnessKind::Saturday;
    return WeekdayOf(day.date) == Sunday && !IsHoliday(day.date) ? FairnessKind::Sunday
                                                                 : FairnessKind::Holiday;
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

FairnessDays LedgerDays(const QList<FairnessYear>& ledger, const QString& doctor)
{
    FairnessDays days{};
    for (const FairnessYear& year : ledger) {
        const FairnessDays held = year.days.value(doctor);
        for (int kind = 0; kind < FairnessKindCount; ++kind)
            days[kind] += held[kind];
    }
    return days;
}

// Year-end days weigh as the holidays they are, whatever their weekday.
double WeightOf(FairnessKind kind, const FairnessWeights& weights)
{
    switch (kind) {
    case FairnessKind::Weekday:
        return weights[0];
    case FairnessKind::Saturday:
        return weights[1];
    default:
        return weights[2];
    }
}

double Points(const FairnessDays& days, const FairnessWeights& weights,
              const std::array<bool, FairnessKindCount>& compared)
{
    double points = 0;
    for (int kind = 0; kind < FairnessKindCount; ++kind) {
        if (compared[kind])
            points += days[kind] * WeightOf(static_cast<FairnessKind>(kind), weights);
    }
    return points;
}

FairnessRotation Rotation(const QList<FairnessYear>& ledger, const RotationMembers& members,
                          const FairnessWeights& weights)
{
    FairnessRotation rotation{members.heading, {}, {}, 0, members.compared};
    for (const QString& doctor : members.doctors) {
        FairnessLine line{doctor, LedgerDays(ledger, doctor), 0, {}, 0, members.compared};
        line.points = Points(line.days, weights, members.compared);
        for (int kind = 0; kind < FairnessKindCount; ++kind)
            rotation.meanDays[kind] += line.days[kind];
        rotation.meanPoints += line.points;
        rotation.lines.append(line);
    }
    const auto count = static_cast<double>(rotation.lines.size());
    for (double& mean : rotation.meanDays)
        mean /= count;
    rotation.meanPoints /= count;
    for (FairnessLine& line : rotation.lines) {
        for (int kind = 0; kind < FairnessKindCount; ++kind) {
            if (line.compared[kind])
                line.difference[kind] = line.days[kind] - rotation.meanDays[kind];
        }
        line.pointsDifference = line.points - rotation.meanPoints;
    }
    return rotation;
}

} // namespace

FairnessYear CountFairness(const Roster& roster)
{
    const QHash<QDate, QList<SharedInterval>> intervals = roster.allIntervals();
    FairnessYear year{roster.year(), {}};
    for (const RosterDay& day : roster.days()) {
        const std::optional<FairnessKind> kind = KindOf(day);
        if (!kind)
            continue;
        for (const QString& doctor : Holders(day, intervals.value(day.date)))
            ++year.days[doctor][static_cast<int>(*kind)];
    }
    return year;
}

QList<RotationMembers> Rotations(const QList<Participant>& participants)
{
    // The year-end days are everyone's concern: both rotations weigh them.
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
    for (const RotationMembers& members : rotations) {
        if (!members.doctors.isEmpty())
            result.append(Rotation(ledger, members, weights));
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
    cells[FairnessKindCount] = cell(line.points, line.pointsDifference);
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
