#include "store/Calendar.h"

#include <array>

namespace {

struct DayOfMonth {
    int day;
    int month;
};

constexpr std::array<DayOfMonth, 8> FixedHolidays{{
    {1, 1},   // Jour de l'an
    {1, 5},   // Fête du travail
    {8, 5},   // Victoire 1945
    {14, 7},  // Fête nationale
    {15, 8},  // Assomption
    {1, 11},  // Toussaint
    {11, 11}, // Armistice
    {25, 12}, // Noël
}};

constexpr int EasterMondayOffset = 1;
constexpr int AscensionOffset = 39;
constexpr int WhitMondayOffset = 50;

bool IsFixedHoliday(QDate date)
{
    for (const DayOfMonth& holiday : FixedHolidays) {
        if (holiday.day == date.day() && holiday.month == date.month())
            return true;
    }
    return false;
}

} // namespace

int WeekdayOf(QDate date)
{
    // QDate counts Monday = 1 ... Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

QDate EasterSunday(int year)
{
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool IsHoliday(QDate date)
{
    if (IsFixedHoliday(date))
        return true;
    const qint64 sinceEaster = EasterSunday(date.year()).daysTo(date);
    return sinceEaster == EasterMondayOffset || sinceEaster == AscensionOffset ||
           sinceEaster == WhitMondayOffset;
}

bool IsYearEndHoliday(QDate date)
{
    if (date.month() == 1)
        return date.day() == 1;
    return date.month() == 12 && (date.day() == 24 || date.day() == 25 || date.day() == 31);
}

bool IsWeekend(QDate date)
{
    const int weekday = WeekdayOf(date);
    return weekday == Sunday || weekday == Saturday;
}

DayType DayTypeOf(QDate date)
{
    if (IsHoliday(date))
        return DayType::SundayOrHoliday;
    switch (WeekdayOf(date)) {
    case Saturday:
        return DayType::Saturday;
    case Sunday:
        return DayType::SundayOrHoliday;
    default:
        return DayType::Weekday;
    }
}
