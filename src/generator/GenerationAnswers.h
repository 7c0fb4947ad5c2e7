#pragma once

#include "store/AdministrativeData.h"

#include <QList>
#include <QString>
#include <QStringList>

// The step 3 choice of the weekday algorithm.
enum class WeekdayOption {
    None,       // nothing selected (only possible after a return to step 3)
    Option1,    // leftover days left blank ("<Vide>")
    Option2,    // leftover days served by a secondary rotation, or a floating participant
    NoFixedDay, // the list's order, day after day, without fixed weekdays
};

// The weekday rotation as the wizard leaves it.
struct WeekdayAnswers {
    // The weekday participants in list order (N names).
    QStringList participants;
    WeekdayOption option = WeekdayOption::Option1;
    // The period table as ordered by the user: names, "<Vide>" or "<Variable>".
    QStringList periodTable;
    // Which week of the period holds the first weekday of the year, from 1.
    int weekCounter = 1;
    // Floating mode: who replaces one position per period.
    QString floatingParticipant;
    // No-fixed-day mode: who is on duty on the first weekday of the year.
    QString firstParticipant;
    // The entry chosen at step 5, from 0: the floating participant's first turn (P for none),
    // or the secondary rotation's first participant.
    int step5Choice = 0;
};

// The weekend and holiday rotation as the wizard leaves it.
struct WeekendAnswers {
    // The weekend participants in the order chosen by the user.
    QStringList order;
    // Who is on duty on 1 January.
    QString firstHolidayParticipant;
};

// Everything the generation of a year needs.
struct GenerationAnswers {
    int year = 0;
    bool includesWeekdays = true;
    bool includesWeekends = true;
    // A holiday's duty starts the day before, with the same participant.
    bool eveOption = true;
    // Friday holiday and following weekend, weekend and following Monday holiday, and
    // consecutive holidays make one duty.
    bool grouping = false;
    WeekdayAnswers weekday;
    WeekendAnswers weekend;
    QList<AdministrativeData> administrativeData;
};
