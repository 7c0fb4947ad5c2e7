#include "RosterFile.h"

#include "RosterDatabase.h"
#include "WorkFile.h"

#include <QFile>
#include <QSaveFile>

#include <array>

QString MakeWorkingCopy(const QString& rosterPath)
{
    const QString workPath = GetWorkFilePath();
    if (workPath.isEmpty() || !QFile::copy(rosterPath, workPath))
        return {};
    return workPath;
}

bool WriteRosterFile(const RosterDatabase& db, QSaveFile& target)
{
    // A copy taken while a transaction or a statement is pending may be inconsistent.
    if (!db.isIdle() || !db.passesIntegrityCheck())
        return false;
    QFile source(db.path());
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read == 0)
            break;
        if (read < 0 || target.write(buffer.data(), read) != read) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}
