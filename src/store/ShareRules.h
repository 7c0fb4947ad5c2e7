#pragma once

#include "Interaction.h"
#include "Roster.h"

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
