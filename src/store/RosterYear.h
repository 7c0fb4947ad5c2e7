#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The years a roster can be made for.
inline constexpr int FirstRosterYear = 1900;
inline constexpr int LastRosterYear = 9999;

// The calendar year meant by a typed year: 0 to 29 are 2000 to 2029, 30 to 99 are 1930 to
// 1999, any other number is itself.
qint64 ExpandTwoDigitYear(qint64 year);

bool IsRosterYear(qint64 year);

// What the user is told when a year is outside the range a roster can be made for.
QString RosterYearRangeMessage();

// The value of a typed number (decimal point or comma, surrounding blanks allowed) rounded to
// the nearest integer, halves to even. Empty when the text is not a number.
std::optional<qint64> RoundedNumber(const QString& text);
