#pragma once

#include "document/RosterCommand.h"
#include "store/Roster.h"

// "Retirer le participant ...": a participant leaves the table for the whole year, with his
// administrative data and absences, his days left as decided; undone, he comes back at his
// place with all of it.
class RemoveParticipantCommand : public RosterCommand {
public:
    struct Removed {
        qsizetype index = 0;
        // His row in the table, administrative data and presence included.
        ParticipantRow row;
        // The days the removal changes, as they were and as it leaves them.
        QList<DatedDuty> formerDuties;
        QList<DatedDuty> duties;
        // The roster's absences, with his and without.
        QList<Absence> formerAbsences;
        QList<Absence> absences;
    };

    RemoveParticipantCommand(RosterDocument& document, const QString& text, Removed removed);

    void write(Roster& roster, bool forward) const override;
    void announce(RosterDocument& document) const override;

private:
    Removed removed_;
};
