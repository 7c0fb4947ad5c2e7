#pragma once

#include <QList>
#include <QString>
#include <functional>

// The group's rules a roster is checked against, each on or off, kept in the roster file. A
// participant on duty while away is always an alert.
struct RosterRules {
    bool twoDaysRunning = true;
    bool dayAfterWeekend = true;
    bool tooManyWeekends = true;
    // No more than this many weekends on duty in any run of that many consecutive ones.
    int weekendsAllowed = 2;
    int weekendsWindow = 3;
    // A day nobody holds, blank or shared by intervals of nobody.
    bool dayWithoutDuty = true;
    bool uncoveredHours = true;
    bool unknownName = true;

    bool operator==(const RosterRules&) const = default;
};

// The longest run of consecutive weekends a rule can look at.
inline constexpr int MostWeekendsInARun = 10;

// A rule as the roster file's properties and the settings keep it: its name, its value as
// text ("Vrai", "Faux", a number), and whether that is the program's default, which is not kept.
struct RuleText {
    const char* name;
    QString value;
    bool asDefault;
};

QList<RuleText> RuleTexts(const RosterRules& rules);

// The rules from the texts kept under their names (empty text for none): the defaults for
// those missing or unreadable, and for a run of weekends no rule can use.
RosterRules RulesFromTexts(const std::function<QString(const char* name)>& text);
