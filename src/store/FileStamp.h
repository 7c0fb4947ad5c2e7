#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What tells one file from another, and one state of a file from the next.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    // The last change of the file or of its times: a file rewritten in place with its
    // modification time put back still shows it.
    qint64 changedNs = 0;

    bool operator==(const FileStamp&) const = default;
    bool isSameFileAs(const FileStamp& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// Empty when nothing is at the path.
std::optional<FileStamp> StampOf(const QString& path);
// The stamp of the file open on a descriptor; empty when the descriptor is not open.
std::optional<FileStamp> StampOf(int descriptor);

// What a file holds, in short: files with equal digests hold the same bytes. Empty when the file
// cannot be read.
QByteArray DigestOf(const QString& path);
