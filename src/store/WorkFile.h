#pragma once

#include <QString>

// A fresh, unused path in the temporary folder ("vdoXXXXXX.tmp") for a roster's working copy.
// The name is reserved by creating the file, which is then removed so that the database
// or the copy of a roster file can create it. Empty when no name could be had.
QString GetWorkFilePath();

// Creates an empty file that only its owner may read and write. Fails when anything, a
// symbolic link included, is already at that path.
bool CreatePrivateFile(const QString& path);

// Removes a working file; true when it is gone.
bool DeleteWorkFile(const QString& path);
