#pragma once

#include "store/WorkRecord.h"

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// A roster's working file, in the user's private working folder. The program holds a lock on
// it for as long as the object lives, so that another running copy of the program leaves it
// alone. Destroying the object removes the file, its record and any journal the engine left.
class WorkFile {
public:
    // A new, empty file that only its owner may read and write; null when none could be made.
    static std::unique_ptr<WorkFile> create();
    // The working files of programs that are no longer running, locked now for this one.
    static std::vector<std::unique_ptr<WorkFile>> takeAbandoned();

    ~WorkFile();
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    QString path() const { return path_; }

    // Empty when the file has no record, or one that cannot be read.
    std::optional<WorkRecord> record() const;
    // Replaces the record whole, or leaves the former one.
    bool writeRecord(const WorkRecord& record) const;

    // At destruction, only the lock goes: the file and its record wait for a later start.
    void keepForLater() { keep_ = true; }

private:
    explicit WorkFile(const QString& path);
    QString recordPath() const;
    // Those a program left when it ended while replacing the record.
    void removeHalfWrittenRecords() const;

    QString path_;
    QLockFile lock_;
    // The lock is held; the file is this program's to remove.
    bool owned_ = false;
    bool keep_ = false;
};

// The user's folder of working files, which only they may enter; made when missing. Empty when
// it cannot be had private.
QString WorkFolder();

// Creates an empty file that only its owner may read and write. Fails when anything, a
// symbolic link included, is already at that path.
bool CreatePrivateFile(const QString& path);
