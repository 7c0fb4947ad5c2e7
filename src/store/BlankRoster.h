#pragma once

#include <QString>
#include <memory>

class RosterDatabase;

// What the user is told when a new roster could not be made.
QString RosterCreationFailedMessage();

// Writes one unassigned Garde row per day of the year, with its day type, in one transaction.
// Throws DatabaseError.
void FillBlankYear(const RosterDatabase& db, int year);

// A new blank roster for the year in a fresh working file, still open so that the roster window
// does not pay the key derivation a second time. Null when it could not be made (no working
// file is left behind then).
std::unique_ptr<RosterDatabase> MakeBlankRoster(int year);
