#include "document/RosterCommand.h"

#include "document/RosterDocument.h"

#include <utility>

RosterCommand::RosterCommand(RosterDocument& document, const QString& text, EditScope scope)
    : QUndoCommand(text)
    , document_(document)
    , scope_(scope)
{
}

void RosterCommand::showParticipantChange(RosterDocument& document)
{
    document.showParticipantChange();
}

// An edit undone or redone from the history was written before the history moved; one that
// cannot be written when first pushed leaves the history.
void RosterCommand::apply(bool forward)
{
    if (std::exchange(document_.writtenAhead_, false) || document_.write(*this, forward))
        announce(document_);
    else
        setObsolete(true);
}
