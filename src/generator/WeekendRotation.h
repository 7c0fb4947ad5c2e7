#pragma once

#include "store/Calendar.h"

#include <QStringList>

// Classifies the days of a year for the weekend and holiday rotation, day after day from
// 1 January, and hands out its participants. A run of consecutive weekend days, holidays (and
// eves, with the eve option) is counted; a day whose run counter is 0 is a weekday day.
class WeekendRotation {
public:
    WeekendRotation(const QStringList& order, int startPosition, bool includesWeekends,
                    bool eveOption, bool grouping);

    // Classifies the next day (days come in date order); true when it is a weekday day.
    bool classify(QDate day);

    // The participant of the day just classified, when it is not a weekday day; advances the
    // rotation as the run requires.
    QString take(QDate day);

private:
    void advance();

    QStringList order_;
    int position_;
    bool includesWeekends_;
    bool eveOption_;
    bool grouping_;
    int run_ = 0;
};
