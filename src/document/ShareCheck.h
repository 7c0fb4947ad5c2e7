#pragma once

#include "document/Messages.h"
#include "store/Roster.h"

#include <optional>

// What the user is told when a share or one of its intervals cannot be kept.
struct Notice {
    QString message;
    MessageIcon icon;
};

// An interval being entered: its end must come after its start, and it needs a participant.
std::optional<Notice> IntervalProblem(double start, double end, const QString& doctor);

// A share to be saved: at least one interval, and no two that overlap (an end is exclusive).
std::optional<Notice> ShareProblem(const QList<SharedInterval>& intervals);

// The time picker's half-hour step from "HH:MM", wrapping around midnight.
QString StepClockTime(const QString& time, bool up);

// A time typed into the time picker, as "HH:MM" on a whole or half hour; empty when the text is
// no such time. The hour is 0 to 23, written with one or two digits; blanks around it are
// ignored. Accepted: the hour alone ("8", "20"), the hour followed by "h" or "H" with or
// without minutes ("20h", "20h30"), the hour and minutes separated by ":" ("8:30", "20:00"), or
// three or four digits ("830", "2000"). Minutes are "00" or "30".
std::optional<QString> TypedClockTime(const QString& text);
