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
