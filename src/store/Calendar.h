#pragma once

#include <QDate>
#include <QtGlobal>

// Day type codes as stored in Garde.Type.
enum class DayType : quint8 {
    Weekday = 0,
    Saturday = 1,
    SundayOrHoliday = 2,
};

// Weekday numbering used throughout the program: Sunday = 1, Monday = 2, ... Saturday = 7.
enum WeekdayNumber : int {
    Sunday = 1,
    Monday = 2,
    Tuesday = 3,
    Wednesday = 4,
    Thursday = 5,
    Friday = 6,
    Saturday = 7,
};

int WeekdayOf(QDate date);

// Gregorian Easter Sunday of the year (exact computus, valid for every Gregorian year).
QDate EasterSunday(int year);

// French public holidays: eight fixed dates, Easter Monday, Ascension Thursday and Whit Monday.
bool IsHoliday(QDate date);

// The year-end holidays the group shares out apart: Christmas Eve and Day, New Year's Eve and
// Day. Only two of them are public holidays.
bool IsYearEndHoliday(QDate date);

// Saturday or Sunday; public holidays play no part here.
bool IsWeekend(QDate date);

// 2 for a public holiday whatever its weekday, otherwise 1 for a Saturday, 2 for a Sunday, 0 else.
DayType DayTypeOf(QDate date);
