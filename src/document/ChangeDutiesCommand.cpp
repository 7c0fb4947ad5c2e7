#include "document/ChangeDutiesCommand.h"

#include "document/RosterDocument.h"

ChangeDutiesCommand::ChangeDutiesCommand(RosterDocument& document, const QString& text,
                                         QList<DatedDuty> before, QList<DatedDuty> after)
    : RosterCommand(document, text, EditScope::Roster)
    , before_(std::move(before))
    , after_(std::move(after))
{
}

void ChangeDutiesCommand::write(Roster& roster, bool forward) const
{
    roster.setDuties(forward ? after_ : before_);
}

void ChangeDutiesCommand::announce(RosterDocument& document) const
{
    // The views redraw the days changed alone, and the alerts are checked once.
    QList<QDate> days;
    for (const DatedDuty& duty : after_)
        days.append(duty.day);
    emit document.dutiesChanged(days);
}
