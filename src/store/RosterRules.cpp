#include "store/RosterRules.h"

#include "store/Settings.h"

namespace {

constexpr char TwoDaysRunningName[] = "RègleVeille";
constexpr char DayAfterWeekendName[] = "RègleLundi";
constexpr char TooManyWeekendsName[] = "RègleWeekEnds";
constexpr char WeekendsAllowedName[] = "RègleWeekEndsPermis";
constexpr char WeekendsWindowName[] = "RègleWeekEndsConsécutifs";
constexpr char DayWithoutDutyName[] = "RègleJourVide";
constexpr char UncoveredHoursName[] = "RègleHeures";
constexpr char UnknownNameName[] = "RègleNom";

} // namespace

QList<RuleText> RuleTexts(const RosterRules& rules)
{
    const RosterRules defaults;
    const auto flag = [](const char* name, bool on, bool fallback) {
        return RuleText{name, on ? QStringLiteral("Vrai") : QStringLiteral("Faux"), on == fallback};
    };
    const bool defaultRun = rules.weekendsAllowed == defaults.weekendsAllowed &&
                            rules.weekendsWindow == defaults.weekendsWindow;
    return {
        flag(TwoDaysRunningName, rules.twoDaysRunning, defaults.twoDaysRunning),
        flag(DayAfterWeekendName, rules.dayAfterWeekend, defaults.dayAfterWeekend),
        flag(TooManyWeekendsName, rules.tooManyWeekends, defaults.tooManyWeekends),
        {WeekendsAllowedName, QString::number(rules.weekendsAllowed), defaultRun},
        {WeekendsWindowName, QString::number(rules.weekendsWindow), defaultRun},
        flag(DayWithoutDutyName, rules.dayWithoutDuty, defaults.dayWithoutDuty),
        flag(UncoveredHoursName, rules.uncoveredHours, defaults.uncoveredHours),
        flag(UnknownNameName, rules.unknownName, defaults.unknownName),
    };
}

RosterRules RulesFromTexts(const std::function<QString(const char* name)>& text)
{
    const RosterRules defaults;
    const auto flag = [&text](const char* name, bool fallback) {
        return ReadFlag(text(name)).value_or(fallback);
    };
    const auto number = [&text](const char* name, int fallback) {
        bool ok = false;
        const int value = text(name).toInt(&ok);
        return ok ? value : fallback;
    };
    RosterRules rules;
    rules.twoDaysRunning = flag(TwoDaysRunningName, defaults.twoDaysRunning);
    rules.dayAfterWeekend = flag(DayAfterWeekendName, defaults.dayAfterWeekend);
    rules.tooManyWeekends = flag(TooManyWeekendsName, defaults.tooManyWeekends);
    rules.weekendsAllowed = number(WeekendsAllowedName, defaults.weekendsAllowed);
    rules.weekendsWindow = number(WeekendsWindowName, defaults.weekendsWindow);
    // A run no longer than what it allows would never be crowded: the numbers are taken only
    // as a rule can use them.
    if (rules.weekendsAllowed < 1 || rules.weekendsWindow <= rules.weekendsAllowed ||
        rules.weekendsWindow > MostWeekendsInARun) {
        rules.weekendsAllowed = defaults.weekendsAllowed;
        rules.weekendsWindow = defaults.weekendsWindow;
    }
    rules.dayWithoutDuty = flag(DayWithoutDutyName, defaults.dayWithoutDuty);
    rules.uncoveredHours = flag(UncoveredHoursName, defaults.uncoveredHours);
    rules.unknownName = flag(UnknownNameName, defaults.unknownName);
    return rules;
}
