#include "generator/WeekdayRotation.h"

#include "store/Calendar.h"

#include <algorithm>

namespace {

constexpr int DaysPerWeek = 5;

int Next(int position, int count)
{
    return position % count + 1;
}

int Previous(int position, int count)
{
    return position == 1 ? count : position - 1;
}

bool IsMondayToFriday(QDate day)
{
    return !IsWeekend(day);
}

// Monday 1 ... Friday 5.
int WorkdayNumber(QDate day)
{
    return day.dayOfWeek();
}

} // namespace

bool IsFloatingMode(int participantCount, WeekdayOption option)
{
    return participantCount % DaysPerWeek == 1 && option == WeekdayOption::Option2;
}

int PeriodLength(int participantCount, WeekdayOption option)
{
    if (option == WeekdayOption::NoFixedDay)
        return participantCount;
    const int weeks = participantCount / DaysPerWeek;
    if (participantCount % DaysPerWeek == 0 || IsFloatingMode(participantCount, option))
        return DaysPerWeek * weeks;
    return DaysPerWeek * (weeks + 1);
}

QString FillerText(WeekdayOption option)
{
    return option == WeekdayOption::Option1 ? EmptyDayMarker : VariableDayMarker;
}

QStringList BuildPeriodTable(const QStringList& participants, WeekdayOption option)
{
    const int length = PeriodLength(static_cast<int>(participants.size()), option);
    QStringList table = participants.mid(0, length);
    while (table.size() < length)
        table.append(FillerText(option));
    return table;
}

QString PeriodRowLabel(int position, int periodLength)
{
    static const QString days[DaysPerWeek] = {QStringLiteral("Lundi"), QStringLiteral("Mardi"),
                                              QStringLiteral("Mercredi"), QStringLiteral("Jeudi"),
                                              QStringLiteral("Vendredi")};
    const QString day = days[(position - 1) % DaysPerWeek];
    if (periodLength <= DaysPerWeek)
        return day;
    return day + QLatin1Char(' ') + QString::number((position - 1) / DaysPerWeek + 1);
}

int MoveUp(QStringList& table, int selected)
{
    const int count = static_cast<int>(table.size());
    const int target = Previous(selected, count);
    table.swapItemsAt(selected - 1, target - 1);
    return target;
}

int MoveDown(QStringList& table, int selected)
{
    const int count = static_cast<int>(table.size());
    const int target = Next(selected, count);
    table.swapItemsAt(selected - 1, target - 1);
    return target;
}

QStringList ChangeNameChoices(const QStringList& participants, WeekdayOption option)
{
    QStringList choices = participants;
    const int remainder = static_cast<int>(participants.size()) % DaysPerWeek;
    if (remainder != 0) {
        if (option == WeekdayOption::Option1)
            choices.append(EmptyDayMarker);
        else if (option == WeekdayOption::Option2 && remainder != 1)
            choices.append(VariableDayMarker);
    }
    return choices;
}

QDate NextMondayToFriday(QDate day)
{
    QDate next = day.addDays(1);
    while (!IsMondayToFriday(next))
        next = next.addDays(1);
    return next;
}

QDate FirstWeekdayDate(int year)
{
    QDate day(year, 1, 2);
    while (!IsMondayToFriday(day))
        day = day.addDays(1);
    return day;
}

QDate FirstMondayToFridayDate(int year)
{
    const QDate newYear(year, 1, 1);
    return IsMondayToFriday(newYear) ? newYear : FirstWeekdayDate(year);
}

int StartPosition(const WeekdayAnswers& answers, int year)
{
    if (answers.option == WeekdayOption::NoFixedDay)
        return std::max<int>(1, answers.periodTable.indexOf(answers.firstParticipant) + 1);
    const int weekday = WorkdayNumber(FirstWeekdayDate(year));
    const int weeks = static_cast<int>(answers.periodTable.size()) / DaysPerWeek;
    if (weeks > 1)
        return DaysPerWeek * (std::clamp(answers.weekCounter, 1, weeks) - 1) + weekday;
    return weekday;
}

int PositionAtNewYear(const WeekdayAnswers& answers, int year)
{
    const int start = StartPosition(answers, year);
    if (answers.option == WeekdayOption::NoFixedDay ||
        FirstMondayToFridayDate(year) == FirstWeekdayDate(year))
        return start;
    return Previous(start, static_cast<int>(answers.periodTable.size()));
}

QStringList SecondaryList(const QStringList& periodTable)
{
    QStringList names;
    for (const QString& entry : periodTable) {
        if (entry != EmptyDayMarker && entry != VariableDayMarker)
            names.append(entry);
    }
    return names;
}

WeekdayRotation::WeekdayRotation(const WeekdayAnswers& answers, int year)
    : table_(answers.periodTable)
    , secondary_(SecondaryList(answers.periodTable))
    , floating_(IsFloatingMode(static_cast<int>(answers.participants.size()), answers.option)
                    ? answers.floatingParticipant
                    : QString())
    , noFixedDay_(answers.option == WeekdayOption::NoFixedDay)
    , participantCount_(static_cast<int>(answers.participants.size()))
    , position_(PositionAtNewYear(answers, year))
    , secondaryPosition_(answers.step5Choice + 1)
    , countdown_(answers.step5Choice)
{
    if (secondaryPosition_ > secondary_.size())
        secondaryPosition_ = 1;
}

QString WeekdayRotation::participant() const
{
    const QString& entry = table_.at(position_ - 1);
    if (entry == EmptyDayMarker)
        return {};
    if (entry == VariableDayMarker)
        return secondary_.isEmpty() ? QString() : secondary_.at(secondaryPosition_ - 1);
    if (!floating_.isEmpty() && countdown_ == 0)
        return floating_;
    return entry;
}

void WeekdayRotation::advance(QDate day, bool weekdayDay)
{
    const int count = static_cast<int>(table_.size());
    if (noFixedDay_) {
        if (weekdayDay)
            position_ = Next(position_, count);
        return;
    }
    if (!IsMondayToFriday(day))
        return;
    if (table_.at(position_ - 1) == VariableDayMarker && !secondary_.isEmpty())
        secondaryPosition_ = Next(secondaryPosition_, static_cast<int>(secondary_.size()));
    countdown_ = countdown_ == 0 ? participantCount_ - 1 : countdown_ - 1;
    position_ = Next(position_, count);
}
