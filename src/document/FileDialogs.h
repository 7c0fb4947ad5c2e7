#pragma once

#include "store/WorkRecord.h"

#include <QList>
#include <QString>
#include <optional>

// A file to open or save: a roster file unless told otherwise.
struct FileChoice {
    // The name (and folder) the dialog proposes; may be empty.
    QString proposedPath;
    QString filter = QStringLiteral("Données (*.dat)");
    QString defaultSuffix = QStringLiteral("dat");
};

// The files and folders the user chooses, and the rosters he takes back after a crash.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // An existing roster file chosen by the user, or empty text when they cancel.
    virtual QString chooseFileToOpen(const FileChoice& choice) = 0;

    // The roster file to write, chosen by the user (who has confirmed overwriting an existing
    // one), or empty text when they cancel.
    virtual QString chooseFileToSave(const FileChoice& choice) = 0;

    // A folder chosen by the user, or empty text when they cancel.
    virtual QString chooseFolder(const QString& proposed) = 0;

    // The rosters a program that ended without closing them left with unsaved changes: for
    // each, true to reopen it, false to discard it. Nothing when the user puts the choice off
    // until the next start.
    virtual std::optional<QList<bool>> chooseRecoveries(const QList<WorkRecord>& rosters) = 0;
};
