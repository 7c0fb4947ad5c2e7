#pragma once

// The group's rules a roster is checked against, each on or off, kept in the roster file. A
// participant on duty while away is always an alert.
struct RosterRules {
    bool twoDaysRunning = true;
    bool dayAfterWeekend = true;
    bool tooManyWeekends = true;
    // No more than this many weekends on duty in any run of that many consecutive ones.
    int weekendsAllowed = 2;
    int weekendsWindow = 3;
    bool dayWithoutDuty = false;
    bool uncoveredHours = true;
    bool unknownName = true;

    bool operator==(const RosterRules&) const = default;
};

// The longest run of consecutive weekends a rule can look at.
inline constexpr int MostWeekendsInARun = 10;
