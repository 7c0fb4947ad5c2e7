#include "roster_window/YearGrid.h"

#include <QLocale>

namespace YearGrid {

QString MonthName(int month)
{
    static const QString names[12] = {
        QStringLiteral("Janvier"), QStringLiteral("Février"),  QStringLiteral("Mars"),
        QStringLiteral("Avril"),   QStringLiteral("Mai"),      QStringLiteral("Juin"),
        QStringLiteral("Juillet"), QStringLiteral("Août"),     QStringLiteral("Septembre"),
        QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre"),
    };
    return names[month - 1];
}

std::optional<QDate> DayAt(int year, int row, int column)
{
    if (row < 1 || row >= RowCount || column < 0 || column >= ColumnCount)
        return std::nullopt;
    const QDate day(year, MonthOfColumn(column), row);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString DayLabel(QDate day)
{
    const QString weekday = QLocale(QLocale::French).dayName(day.dayOfWeek());
    return weekday.left(1).toUpper() + QLatin1Char(' ') + QString::number(day.day());
}

} // namespace YearGrid
