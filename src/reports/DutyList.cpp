#include "reports/DutyList.h"

#include "store/DutyHours.h"
#include "store/Roster.h"

#include <QLocale>

QList<DutyRow> PersonalDuties(const Roster& roster, const QString& doctor)
{
    Statement select = roster.database().prepare(
        R"(SELECT [Garde].[Jour], [Partagé].[HDébut], [Partagé].[HFin]
           FROM [Garde] LEFT JOIN [Partagé] ON [Garde].[Jour] = [Partagé].[Jour]
           WHERE [Garde].[Médecin] = ?1
              OR ([Garde].[Médecin] = '<Partagé>' AND [Partagé].[Médecin] = ?1)
           ORDER BY [Garde].[Jour], [Partagé].[HDébut])");
    select.bind(1, doctor);
    QList<DutyRow> rows;
    while (select.step()) {
        DutyRow row{select.date(0), std::nullopt, std::nullopt};
        if (!select.isNull(1)) {
            row.start = select.real(1);
            row.end = select.real(2);
        }
        rows.append(row);
    }
    return rows;
}

QString DutyListTitle(const QString& yearText, const QString& doctor)
{
    return QStringLiteral("Garde %1 - %2").arg(yearText, doctor);
}

QString DutyDateText(const DutyRow& row)
{
    return QLocale(QLocale::French).toString(row.day, QStringLiteral("dddd dd MMMM"));
}

QString DutyHoursText(const DutyRow& row)
{
    if (!row.start)
        return {};
    return QStringLiteral("de %1 à %2").arg(HoursToText(*row.start), HoursToText(*row.end));
}

QString DutyPaperText(const DutyRow& row)
{
    const QString hours = DutyHoursText(row);
    return hours.isEmpty() ? DutyDateText(row) : DutyDateText(row) + QLatin1Char(' ') + hours;
}
