#pragma once

#include "store/RosterSchema.h"

class RosterDatabase;

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

// Gives a test its own settings store, temporary folder and working folder, all empty, for its
// whole run.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString tempPath() const { return temp_.path(); }
    // Working files ("vdo*.tmp") left in the working folder.
    QStringList workFiles() const;

private:
    QTemporaryDir settings_;
    QTemporaryDir temp_;
    QTemporaryDir data_;
    QByteArray previousTmpDir_;
    QByteArray previousDataHome_;
};

// While it lives, a write that would make any file of this process larger than the given size
// fails as it does on a full disk (instead of ending the process, as such a write does by
// default).
class FullDisk {
public:
    explicit FullDisk(qint64 bytesLeft);
    ~FullDisk();

    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previousLimit_{};
    struct sigaction previousAction_ {};
};

// A blank roster file of the year, saved by the program in the temporary folder; its path.
// Made once a year, with the settings of the first call, and copied at the next.
QString CreateBlankRoster(int year);
// A 2011 roster file in the temporary folder, its participants B then A: A on duty on 1 March,
// 2 March shared by B (08:00-20:00) then A (20:00-08:00), 3 March empty, 4 March and 15 August
// marked unavailable; A away from 1 to 10 August ("Congés"). Its path. Made once, with the
// settings of the first call, and copied at the next.
QString CreateMarchRoster();

// The statements that bring a roster of this version back to the tables an earlier version
// wrote, word for word, its participants kept.
QStringList EarlierTables(RosterSchema::Version version);

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Replaces a file's content; false when it cannot be written.
bool WriteFile(const QString& path, const QByteArray& content);

// Every row of a roster's tables, as text: what an edit and its undoing must agree on.
QStringList Rows(const RosterDatabase& db);
QStringList Rows(const QString& path);
