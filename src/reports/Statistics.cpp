#include "reports/Statistics.h"

#include "store/Roster.h"

namespace {

// A day type the statistics have a column for; other codes are counted nowhere.
bool IsCountedType(int type)
{
    return type >= 0 && type < DayTypeCount;
}

} // namespace

QList<StatisticsLine> ComputeStatistics(const Roster& roster)
{
    const RosterDatabase& db = roster.database();
    Statement heldDays = db.prepare(R"(SELECT [Type] FROM [Garde] WHERE [Médecin] = ?1)");
    Statement sharedDays = db.prepare(
        R"(SELECT DISTINCT [Partagé].[Jour], [Garde].[Type], [Partagé].[Médecin]
           FROM [Garde] INNER JOIN [Partagé] ON [Garde].[Jour] = [Partagé].[Jour]
           WHERE [Partagé].[Médecin] = ?1)");
    QList<StatisticsLine> lines;
    // A duty held by a name outside the list is counted all the same, after the participants.
    for (const QString& doctor : roster.participants() + roster.namesOutsideTheList()) {
        StatisticsLine line{doctor, {}, {}};
        heldDays.reset();
        heldDays.bind(1, doctor);
        while (heldDays.step()) {
            if (IsCountedType(heldDays.integer(0)))
                ++line.days[heldDays.integer(0)];
        }
        sharedDays.reset();
        sharedDays.bind(1, doctor);
        while (sharedDays.step()) {
            const int type = sharedDays.integer(1);
            if (IsCountedType(type)) {
                ++line.days[type];
                ++line.shared[type];
            }
        }
        lines.append(line);
    }
    return lines;
}

const std::array<QString, DayTypeCount>& DayTypeHeadings()
{
    static const std::array<QString, DayTypeCount> headings = {
        QStringLiteral("Jours de semaine"), QStringLiteral("Samedis"),
        QStringLiteral("Dimanches et fériés")};
    return headings;
}

QString StatisticsCell(int days, int shared)
{
    if (days == 0)
        return {};
    if (shared == 0)
        return QString::number(days);
    return QStringLiteral("%1 dont %2 partagé(s)").arg(days).arg(shared);
}

QString StatisticsTitle(const QString& yearText)
{
    return QStringLiteral("Statistiques du tour de garde ") + yearText;
}
