#pragma once

#include "store/Calendar.h"

#include <QList>
#include <QStringList>

// The day types of a whole year from its holidays written out ("d/m", space-separated): the
// holidays and Sundays 2, the other Saturdays 1, the rest 0. The weekdays are Qt's own.
inline QList<DayType> ExpectedDayTypes(int year, const QString& holidays)
{
    const QStringList listed = holidays.split(' ');
    QList<DayType> types;
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        if (day.dayOfWeek() == Qt::Sunday ||
            listed.contains(QStringLiteral("%1/%2").arg(day.day()).arg(day.month())))
            types.append(DayType::SundayOrHoliday);
        else
            types.append(day.dayOfWeek() == Qt::Saturday ? DayType::Saturday : DayType::Weekday);
    }
    return types;
}
