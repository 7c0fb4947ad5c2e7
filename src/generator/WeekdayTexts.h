#pragma once

#include "generator/GenerationAnswers.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the wizard's weekday steps say, computed from the answers so far.

struct Step3Texts {
    QString label;
    // Options 1 and 2 are offered only when the names do not fill whole weeks.
    bool optionsShown = false;
    QString option1;
    QString option2;
};

Step3Texts WeekdayStep3Texts(int participantCount);
QString NoFixedDayDescription();

// The instruction line of the fixed-day ordering; empty when no option is chosen.
std::optional<QString> FixedDayInstruction(int participantCount, WeekdayOption option);
// Asks which week of the period holds the first weekday of the year (periods over one week).
QString FirstWeekText(int year);
// Asks who is on duty on the first weekday of the year, without fixed days.
QString FirstParticipantText(int year);

struct Step5Texts {
    QString label;
    QStringList entries;
};

// Step 5: the floating participant's first turn, or who opens the secondary rotation; empty
// when the answers need neither.
std::optional<Step5Texts> WeekdayStep5(const WeekdayAnswers& answers, int year);
