#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The year grid: row 0 holds the month names, row r the days r of every month; month m owns
// the day-label column 2(m-1) and the duty column to its right.
namespace YearGrid {

inline constexpr int RowCount = 32;
inline constexpr int ColumnCount = 24;

// "Janvier" ... "Décembre".
QString MonthName(int month);

// The month a column belongs to, 1 to 12.
inline int MonthOfColumn(int column)
{
    return column / 2 + 1;
}

inline bool IsLabelColumn(int column)
{
    return column % 2 == 0;
}

inline int LabelColumnOf(QDate day)
{
    return 2 * (day.month() - 1);
}

// The months the grid shows: the whole year, or January to June, or July to December.
enum class Span { WholeYear = 0, FirstHalf = 1, SecondHalf = 2 };

// The half of the year a month (1 to 12) belongs to.
inline Span HalfOf(int month)
{
    return month <= 6 ? Span::FirstHalf : Span::SecondHalf;
}

inline bool Shows(Span span, int month)
{
    return span == Span::WholeYear || span == HalfOf(month);
}

// The label column of the first month a span shows.
inline int FirstColumn(Span span)
{
    return span == Span::SecondHalf ? ColumnCount / 2 : 0;
}

// The day shown in a cell of the year's grid; empty for the header row and for dates that do
// not exist (30 February, 31 April...).
std::optional<QDate> DayAt(int year, int row, int column);

// The first letter of the French weekday in upper case, a blank, the day of month: "L 1".
QString DayLabel(QDate day);

} // namespace YearGrid
