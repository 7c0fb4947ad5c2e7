#include "reports/ChangesNotice.h"

#include "document/EditTexts.h"
#include "reports/CsvExport.h"

#include <QLocale>

ChangesNotice MakeChangesNotice(int year, const QString& sector, QDate madeOn,
                                const QList<DayDifference>& days)
{
    const QLocale french(QLocale::French);
    ChangesNotice notice{QStringLiteral("Modifications du tableau de garde %1").arg(year),
                         QStringLiteral("Secteur : %1").arg(sector),
                         QStringLiteral("Établi le %1 %2").arg(DayText(madeOn)).arg(madeOn.year()),
                         {}};
    for (const DayDifference& day : days)
        notice.rows.append({day.day, french.dayName(day.day.dayOfWeek()), DutyText(day.theirs),
                            DutyText(day.mine)});
    return notice;
}

QString ChangesNoticeCsv(const ChangesNotice& notice)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("Date;Jour;Avant;Après") + lineEnd;
    for (const NoticeRow& row : notice.rows)
        text += row.day.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(';') + row.weekday +
                QLatin1Char(';') + CsvField(row.before) + QLatin1Char(';') + CsvField(row.after) +
                lineEnd;
    return text;
}
