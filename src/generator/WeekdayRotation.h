#pragma once

#include "generator/GenerationAnswers.h"

#include <QDate>
#include <QStringList>

// Period table entries that are not participants.
inline const QString EmptyDayMarker = QStringLiteral("<Vide>");        // the day is left blank
inline const QString VariableDayMarker = QStringLiteral("<Variable>"); // the secondary rotation

// N names shared out over P weekday positions: N = 5q + r.
int PeriodLength(int participantCount, WeekdayOption option);
// One participant too many for whole weeks, replacing one position per period (option 2, r = 1).
bool IsFloatingMode(int participantCount, WeekdayOption option);
// What fills the positions left over by the names.
QString FillerText(WeekdayOption option);

// The period table before the user orders it: the names in list order, then the filler.
QStringList BuildPeriodTable(const QStringList& participants, WeekdayOption option);
// "Lundi" ... "Vendredi" for position p, followed by its week when the period is longer.
QString PeriodRowLabel(int position, int periodLength);
// The ordering moves: returns the new selected position (from 1). The first and last
// positions are exchanged at the ends.
int MoveUp(QStringList& table, int selected);
int MoveDown(QStringList& table, int selected);
// What "Changer le nom" offers: the names, then the filler when the option has one.
QStringList ChangeNameChoices(const QStringList& participants, WeekdayOption option);

// The first weekday of the year on or after 2 January (d1), and the first Monday-to-Friday date
// of the year (d0: 1 January when it is one, otherwise d1).
QDate FirstWeekdayDate(int year);
QDate FirstMondayToFridayDate(int year);
QDate NextMondayToFriday(QDate day);

// The position of d1 (s1): from the week counter in the fixed-day modes, from the first
// participant without fixed days.
int StartPosition(const WeekdayAnswers& answers, int year);
// The position due on 1 January.
int PositionAtNewYear(const WeekdayAnswers& answers, int year);
// The table's participants, in position order, for the secondary rotation.
QStringList SecondaryList(const QStringList& periodTable);

// The weekday rotation over a year, day after day from 1 January.
class WeekdayRotation {
public:
    WeekdayRotation(const WeekdayAnswers& answers, int year);

    // Who is on duty on a weekday day at the current position; empty text for nobody.
    QString participant() const;
    // Moves on past a day: in the fixed-day modes every Monday-to-Friday date consumes its
    // position, holidays and eves included; without fixed days only weekday days do.
    void advance(QDate day, bool weekdayDay);

private:
    QStringList table_;
    QStringList secondary_;
    QString floating_;
    bool noFixedDay_;
    int participantCount_;
    int position_;
    int secondaryPosition_;
    int countdown_;
};
