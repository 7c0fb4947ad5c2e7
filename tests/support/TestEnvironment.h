#pragma once

#include <QTemporaryDir>

// Gives a test its own settings store and temporary folder, both empty, for its whole run.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString tempPath() const { return temp_.path(); }
    // Working files ("vdo*.tmp") left in the test's temporary folder.
    QStringList workFiles() const;

private:
    QTemporaryDir settings_;
    QTemporaryDir temp_;
    QByteArray previousTmpDir_;
};

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Replaces a file's content; false when it cannot be written.
bool WriteFile(const QString& path, const QByteArray& content);
