#pragma once

#include <QString>

class QSaveFile;
class RosterDatabase;

// Copies a roster file into a fresh working file for a roster window to work on.
// Returns the working file's path, or empty text when no working copy could be made.
QString MakeWorkingCopy(const QString& rosterPath);

// Writes the working database into a roster file. The target is replaced only once it holds
// the complete copy, and only from a database that is idle and passes its integrity check:
// on any failure the target keeps its former content, byte for byte.
bool WriteRosterFile(const RosterDatabase& db, QSaveFile& target);
