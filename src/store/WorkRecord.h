#pragma once

#include <QDateTime>
#include <QString>

// What offers a roster back when its program ended without closing it; kept beside its
// working file.
struct WorkRecord {
    // The roster file; empty for a roster that was never saved.
    QString filePath;
    QString caption;
    QDateTime lastEdit;
    // The working file holds changes its roster file does not have.
    bool unsaved = false;
};
