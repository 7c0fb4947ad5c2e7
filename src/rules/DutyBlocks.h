#pragma once

#include "store/Roster.h"

#include <QList>

// Whether two consecutive days are one duty when one participant holds both: the days of a
// weekend, the holidays next to it, and the eve of a holiday, as the weekend rotation hands
// them out. A Friday and the Saturday after it are two duties, as are a Sunday and the
// ordinary Monday after it.
inline bool ContinuesDuty(DayType before, DayType day)
{
    return day != DayType::Weekday &&
           (before != DayType::Weekday || day == DayType::SundayOrHoliday);
}

// The days, in date order, that are one duty with the day at `index` of a year's days: the
// run of consecutive days around it that one participant holds, joined as above. A day held
// by nobody, or shared, is a duty of its own.
QList<qsizetype> DutyBlock(const QList<RosterDay>& days, qsizetype index);
