#include "store/AbandonedRosters.h"

#include <QFileInfo>

namespace {

// A working file whose record was lost (a full disk, the program ending while it wrote it) may
// hold unsaved changes: it is offered back as a roster that was never saved.
WorkRecord LostRecord(const QString& workPath)
{
    return {QString(),
            std::nullopt,
            {},
            QStringLiteral("Tour de garde sans nom"),
            QFileInfo(workPath).lastModified(),
            true};
}

} // namespace

std::vector<AbandonedRoster> TakeAbandonedRosters()
{
    std::vector<AbandonedRoster> rosters;
    for (std::unique_ptr<WorkFile>& file : WorkFile::takeAbandoned()) {
        const WorkRecord record = file->record().value_or(LostRecord(file->path()));
        if (!record.unsaved)
            continue;
        if (std::unique_ptr<RosterDatabase> db = RosterDatabase::open(std::move(file)))
            rosters.push_back({std::move(db), record});
    }
    return rosters;
}
