#include "document/SwapDutiesCommand.h"

#include "document/RosterDocument.h"

SwapDutiesCommand::SwapDutiesCommand(RosterDocument& document, const QString& text,
                                     QList<DatedDuty> before, QList<DatedDuty> after)
    : RosterCommand(document, text, EditScope::Roster)
    , before_(std::move(before))
    , after_(std::move(after))
{
}

void SwapDutiesCommand::write(Roster& roster, bool forward) const
{
    roster.setDuties(forward ? after_ : before_);
}

void SwapDutiesCommand::announce(RosterDocument& document) const
{
    // The views redraw the exchanged days alone, and the alerts are checked once.
    QList<QDate> days;
    for (const DatedDuty& duty : after_)
        days.append(duty.day);
    emit document.dutiesChanged(days);
}
