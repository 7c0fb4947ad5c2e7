#pragma once

#include <QFile>
#include <QString>
#include <memory>

// Far beyond any roster: a year with every day shared by the half hour stays under 2 MB.
inline constexpr qint64 LargestRosterFile = 64 * 1024 * 1024;

// A file opened for reading without a buffer (each read sees the file as it is now), provided it is
// a regular file no larger than any roster. Whatever else the path names (a pipe that would block
// forever, a device that never ends, a folder) is refused without waiting. Null when refused or
// unreadable.
std::unique_ptr<QFile> OpenRegularFile(const QString& path);
