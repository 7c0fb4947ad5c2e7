#pragma once

#include <QString>
#include <optional>

// A time of a shared duty day, stored as hours since 08:00 of the duty day in half-hour
// steps: 0 is 08:00, 16 is midnight, 24 is 08:00 the next morning (an end only).
struct DutyInterval {
    double start;
    double end;
};

// "HH:MM" of a duty-hour value: 0 gives "08:00", 15.5 "23:30", 16 "00:00", 24 "08:00".
QString HoursToText(double hours);

// The duty hours of a start and an end time written "HH:MM" on whole or half hours.
// An end of exactly "08:00" is the end of the duty day (24), never 0.
// Empty when either text is not such a time.
std::optional<DutyInterval> TextToHours(const QString& start, const QString& end);
