#pragma once

#include <QTemporaryDir>

// A folder of the run's own, made the temporary and the working folder, so that nothing of a
// benchmark lands in the user's own folders.
class BenchFolder {
public:
    BenchFolder()
    {
        qputenv("TMPDIR", dir_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
    }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
