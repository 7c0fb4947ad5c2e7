#include "RosterFile.h"

#include "RosterDatabase.h"
#include "WorkFile.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

bool CopyContent(QIODevice& source, QIODevice& target)
{
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read == 0)
            return true;
        if (read < 0 || target.write(buffer.data(), read) != read)
            return false;
    }
}

} // namespace

QString MakeWorkingCopy(const QString& rosterPath)
{
    // The copy is the user's own, writable whatever the roster file's permissions, and
    // unreadable by anyone else.
    const QString workPath = GetWorkFilePath();
    if (workPath.isEmpty() || !CreatePrivateFile(workPath))
        return {};
    QFile source(rosterPath);
    QFile target(workPath);
    if (source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly) &&
        CopyContent(source, target) && target.flush())
        return workPath;
    target.close();
    DeleteWorkFile(workPath);
    return {};
}

bool WriteRosterFile(const RosterDatabase& db, QSaveFile& target)
{
    // A copy taken while a transaction or a statement is pending may be inconsistent.
    if (!db.isIdle() || !db.passesIntegrityCheck())
        return false;
    QFile source(db.path());
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    if (!CopyContent(source, target)) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}
