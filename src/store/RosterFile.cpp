#include "store/RosterFile.h"

#include "store/RegularFile.h"
#include "store/RosterDatabase.h"
#include "store/SafeFile.h"
#include "store/WorkFile.h"

#include <QFile>

#include <array>

namespace {

// Copies a source read from its start, as long as it stays within the size of any roster.
bool CopyContent(QIODevice& source, QIODevice& target)
{
    if (!source.seek(0))
        return false;
    std::array<char, 64 * 1024> buffer;
    qint64 copied = 0;
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read == 0)
            return true;
        copied += read;
        if (read < 0 || copied > LargestRosterFile || target.write(buffer.data(), read) != read)
            return false;
    }
}

// A new working file holding a copy of the source; null when it could not be written whole.
std::unique_ptr<WorkFile> CopyToWorkFile(QIODevice& source)
{
    std::unique_ptr<WorkFile> work = WorkFile::create();
    if (!work)
        return nullptr;
    QFile target(work->path());
    if (!target.open(QIODevice::WriteOnly) || !CopyContent(source, target) || !target.flush())
        return nullptr;
    return work;
}

} // namespace

WorkingCopy MakeWorkingCopy(const QString& rosterPath)
{
    const std::unique_ptr<QFile> source = OpenRegularFile(rosterPath);
    if (!source)
        return {};
    const std::optional<FileStamp> stamp = StampOf(source->handle());
    std::unique_ptr<WorkFile> work = CopyToWorkFile(*source);
    if (!stamp || !work)
        return {};
    // The copy holds what the roster file held when it was read.
    QByteArray digest = DigestOf(work->path());
    return {std::move(work), *stamp, std::move(digest)};
}

RosterWrite WriteRosterFile(const RosterDatabase& db, const QString& targetPath)
{
    // A copy taken while a transaction or a statement is pending may be inconsistent.
    if (!db.isIdle() || !db.passesIntegrityCheck())
        return RosterWrite::Failed;
    if (!db.isAtItsPath())
        return RosterWrite::WorkFileLost;
    SafeFile target(targetPath);
    return target.open() && CopyContent(db.file(), target) && target.commit() ? RosterWrite::Written
                                                                              : RosterWrite::Failed;
}

std::unique_ptr<RosterDatabase> RecreateWorkFile(const RosterDatabase& db)
{
    if (!db.isIdle())
        return nullptr;
    std::unique_ptr<WorkFile> work = CopyToWorkFile(db.file());
    return work ? RosterDatabase::open(std::move(work)) : nullptr;
}
