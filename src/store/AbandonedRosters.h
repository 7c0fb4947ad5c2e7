#pragma once

#include "store/RosterDatabase.h"
#include "store/WorkFile.h"

#include <memory>
#include <vector>

// A roster a program left with unsaved changes when it ended without closing it.
struct AbandonedRoster {
    std::unique_ptr<RosterDatabase> db;
    WorkRecord record;
};

// The abandoned working files that hold whole rosters with unsaved changes, open and locked
// for this program; one whose record is missing or unreadable counts as an unsaved roster that
// was never saved. The others (nothing unsaved, not a whole roster) are removed.
// Those of another running copy of the program are left alone.
std::vector<AbandonedRoster> TakeAbandonedRosters();
