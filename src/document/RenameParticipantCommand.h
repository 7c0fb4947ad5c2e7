#pragma once

#include "document/RosterCommand.h"
#include "store/Roster.h"

// "Renommer le participant ...": the participant at a place in the table, with every day,
// interval and absence of his, under a new name; undone, under his former one.
class RenameParticipantCommand : public RosterCommand {
public:
    struct Side {
        QString name;
        // His days and the roster's absences as this side holds them.
        QList<DatedDuty> duties;
        QList<Absence> absences;
    };

    RenameParticipantCommand(RosterDocument& document, const QString& text, qsizetype index,
                             Side before, Side after);

    void write(Roster& roster, bool forward) const override;
    void announce(RosterDocument& document) const override;

private:
    qsizetype index_;
    Side before_;
    Side after_;
};
