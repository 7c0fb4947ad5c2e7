#pragma once

#include "store/FileStamp.h"

#include <QDateTime>
#include <QString>
#include <optional>

// What offers a roster back when its program ended without closing it; kept beside its
// working file.
struct WorkRecord {
    // The roster file; empty for a roster that was never saved.
    QString filePath;
    // The roster file as its window last read or wrote it, and what it held then (or is about
    // to hold, while the window saves).
    std::optional<FileStamp> fileStamp;
    QByteArray fileDigest;
    QString caption;
    QDateTime lastEdit;
    // The working file holds changes its roster file does not have.
    bool unsaved = false;
};
