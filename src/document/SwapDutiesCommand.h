#pragma once

#include "document/RosterCommand.h"
#include "store/Roster.h"

// "Échanger les gardes ...": the duties of two sets of days, day for day, each taking the
// other's; undone, each takes its own back.
class SwapDutiesCommand : public RosterCommand {
public:
    // before holds every day's duty as it is, after as the exchange leaves it.
    SwapDutiesCommand(RosterDocument& document, const QString& text, QList<DatedDuty> before,
                      QList<DatedDuty> after);

    void write(Roster& roster, bool forward) const override;
    void announce(RosterDocument& document) const override;

private:
    QList<DatedDuty> before_;
    QList<DatedDuty> after_;
};
