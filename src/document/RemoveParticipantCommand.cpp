#include "document/RemoveParticipantCommand.h"

#include "document/RosterDocument.h"

RemoveParticipantCommand::RemoveParticipantCommand(RosterDocument& document, const QString& text,
                                                   Removed removed)
    : RosterCommand(document, text, EditScope::Roster)
    , removed_(std::move(removed))
{
}

void RemoveParticipantCommand::write(Roster& roster, bool forward) const
{
    const Removed& r = removed_;
    if (forward)
        roster.removeParticipant(r.index, r.duties, r.absences);
    else
        roster.restoreParticipant(r.index, r.row, r.formerDuties, r.formerAbsences);
}

void RemoveParticipantCommand::announce(RosterDocument& document) const
{
    showParticipantChange(document);
}
