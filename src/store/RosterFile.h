#pragma once

#include "store/FileStamp.h"
#include "store/WorkFile.h"

#include <QString>
#include <memory>

class RosterDatabase;

// A roster file copied into a fresh working file, with the state of the file it was copied
// from.
struct WorkingCopy {
    std::unique_ptr<WorkFile> file;
    FileStamp source;
    QByteArray sourceDigest;
};

// Copies a roster file into a fresh working file for a roster window to work on. Only a
// regular file no larger than any roster is copied. Empty when no working copy could be made.
WorkingCopy MakeWorkingCopy(const QString& rosterPath);

// What the user is told of a file that is not a roster the program can open.
inline const QString NotARosterMessage =
    QStringLiteral("Impossible d'ouvrir le tour de garde.\r\n"
                   "Assurez-vous qu'il s'agit bien d'un tour de garde de l'application.");

// What the user is told of a roster file a newer version of the program wrote.
inline const QString NewerVersionMessage =
    QStringLiteral("Ce tour de garde a été créé par une version plus récente de Rotalis.\r\n"
                   "Mettez Rotalis à jour pour l'ouvrir.");

enum class RosterWrite {
    Written,
    Failed,
    // The working file's path no longer names the open database: another program removed or
    // replaced it. Nothing was written.
    WorkFileLost,
};

// Writes the open database, exactly as the engine has it, into a roster file. The target is
// replaced only once it holds the complete copy, and only from a database that is idle and
// passes its integrity check: on any failure the target keeps its former content, byte for byte.
RosterWrite WriteRosterFile(const RosterDatabase& db, const QString& target);

// The open database copied into a fresh working file and opened there, for a roster whose
// working file was lost; the database keeps it as it is. Null when it could not be made.
std::unique_ptr<RosterDatabase> RecreateWorkFile(const RosterDatabase& db);
