#pragma once

#include "generator/GenerationAnswers.h"
#include "generator/WeekdayRotation.h"

// An organiser's year: 7 weekday participants (option 2), 6 weekend participants, grouping and
// eve ticked.
inline GenerationAnswers OrganiserAnswers(int year)
{
    GenerationAnswers answers;
    answers.year = year;
    answers.eveOption = true;
    answers.grouping = true;
    answers.weekday.participants = {"Arnaud", "Benoît", "Chloé", "Denis",
                                    "Emma",   "Fabre",  "Gilles"};
    answers.weekday.option = WeekdayOption::Option2;
    answers.weekday.periodTable =
        BuildPeriodTable(answers.weekday.participants, WeekdayOption::Option2);
    answers.weekday.weekCounter = 2;
    answers.weekday.step5Choice = 3;
    answers.weekend = {{"Henri", "Chloé", "Isabelle", "Jean", "Karim", "Léa"}, "Jean"};
    return answers;
}
