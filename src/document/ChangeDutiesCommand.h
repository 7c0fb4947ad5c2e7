#pragma once

#include "document/RosterCommand.h"
#include "store/Roster.h"

// The duties of several days changed in one edit: an exchange ("Échanger les gardes ..."), a
// correction of the year ("Corriger les alertes ..."); undone, each day takes its own back.
class ChangeDutiesCommand : public RosterCommand {
public:
    // before holds every day's duty as it is, after as the edit leaves it.
    ChangeDutiesCommand(RosterDocument& document, const QString& text, QList<DatedDuty> before,
                        QList<DatedDuty> after);

    void write(Roster& roster, bool forward) const override;
    void announce(RosterDocument& document) const override;

private:
    QList<DatedDuty> before_;
    QList<DatedDuty> after_;
};
