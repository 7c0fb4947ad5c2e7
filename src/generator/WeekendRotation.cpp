#include "generator/WeekendRotation.h"

WeekendRotation::WeekendRotation(const QStringList& order, int startPosition, bool includesWeekends,
                                 bool eveOption, bool grouping)
    : order_(order)
    , position_(startPosition)
    , includesWeekends_(includesWeekends && !order.isEmpty())
    , eveOption_(eveOption)
    , grouping_(grouping)
{
}

bool WeekendRotation::classify(QDate day)
{
    if (IsHoliday(day))
        run_ = WeekdayOf(day) == Saturday ? 1 : 2;
    else if (eveOption_ && IsHoliday(day.addDays(1)))
        ++run_;
    else if (IsWeekend(day))
        ++run_;
    else
        run_ = 0;
    return run_ == 0;
}

QString WeekendRotation::take(QDate day)
{
    const QString participant = includesWeekends_ ? order_.at(position_ - 1) : QString();
    if (run_ > 1) {
        if (grouping_) {
            const QDate next = day.addDays(1);
            if (!IsHoliday(next) && !IsWeekend(next))
                advance();
        } else {
            advance();
            run_ = 0;
        }
    }
    return participant;
}

void WeekendRotation::advance()
{
    if (includesWeekends_)
        position_ = position_ % order_.size() + 1;
}
