#include "AbandonedRosters.h"

std::vector<AbandonedRoster> TakeAbandonedRosters()
{
    std::vector<AbandonedRoster> rosters;
    for (std::unique_ptr<WorkFile>& file : WorkFile::takeAbandoned()) {
        const std::optional<WorkRecord> record = file->record();
        if (!record || !record->unsaved)
            continue;
        if (std::unique_ptr<RosterDatabase> db = RosterDatabase::open(std::move(file)))
            rosters.push_back({std::move(db), *record});
    }
    return rosters;
}
