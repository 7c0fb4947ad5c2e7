#pragma once

#include <QString>

class Roster;
struct RosterDay;

// The display modes of the "&Affichage" menu, in menu order.
enum class ViewMode {
    Standard = 0,    // Saturdays, Sundays and public holidays
    Doctor = 1,      // one participant's duties, shared ones included
    Shared = 2,      // shared duties
    Blank = 3,       // days left without anyone
    Unavailable = 4, // the user's unavailable days
    Absences = 5,    // one participant's absences
};

inline constexpr int ViewModeCount = 6;

// The "&Affichage" menu entry of a mode.
QString ViewModeMenuText(ViewMode mode);

// Whether a day is shown highlighted in a mode; the find target is the participant of the
// doctor and absences modes. Names are compared exactly.
bool IsHighlighted(ViewMode mode, const RosterDay& day, const QString& findTarget,
                   const Roster& roster);
