#include "document/RenameParticipantCommand.h"

#include "document/RosterDocument.h"

RenameParticipantCommand::RenameParticipantCommand(RosterDocument& document, const QString& text,
                                                   qsizetype index, Side before, Side after)
    : RosterCommand(document, text, EditScope::Roster)
    , index_(index)
    , before_(std::move(before))
    , after_(std::move(after))
{
}

void RenameParticipantCommand::write(Roster& roster, bool forward) const
{
    const Side& side = forward ? after_ : before_;
    roster.renameParticipant(index_, side.name, side.duties, side.absences);
}

void RenameParticipantCommand::announce(RosterDocument& document) const
{
    showParticipantChange(document);
}
