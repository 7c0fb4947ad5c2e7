// The commands of a roster session on the whole roster: its participants, their absences, the
// sector and the group's rules.

#include "document/EditTexts.h"
#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "reports/Fairness.h"
#include "session/RosterSession.h"

#include "store/Settings.h"

ParticipantsAtDay RosterSession::participantsAtCurrentDay() const
{
    const int year = document_->roster().year();
    return {document_->roster().participants(), year, currentDay_.value_or(QDate(year, 1, 1))};
}

void RosterSession::addParticipant()
{
    if (const std::optional<NewParticipant> added =
            ui_.askParticipantToAdd(participantsAtCurrentDay()))
        document_->addParticipant(added->name, added->arrival);
}

void RosterSession::renameParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Renaming> renaming =
            ui_.askRenaming(document_->roster().participants()))
        document_->renameParticipant(renaming->former, renaming->name);
}

void RosterSession::removeParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Removal> removal = ui_.askRemoval(participantsAtCurrentDay()))
        document_->removeParticipant(*removal);
}

void RosterSession::replaceParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Replacement> replacement =
            ui_.askReplacement(participantsAtCurrentDay()))
        document_->replaceParticipant(*replacement);
}

void RosterSession::nameSector()
{
    const std::optional<SectorName> sector = ui_.nameSector(document_->roster().sector());
    if (sector && document_->setSector(sector->name) && sector->asDefault)
        Settings().setDefaultSector(sector->name);
}

void RosterSession::showAbsences()
{
    RosterDocument& document = *document_;
    const ParticipantsAtDay start = participantsAtCurrentDay();
    ui_.showAbsences({start.year, start.day, start.participants,
                      [&document] { return document.roster().absences(); },
                      [&document](const Absence& absence) { return document.addAbsence(absence); },
                      [&document](qsizetype index, const Absence& absence) {
                          return document.changeAbsence(index, absence);
                      },
                      [&document](qsizetype index) { return document.removeAbsence(index); },
                      [this] { return importUnavailableDays(); }});
}

bool RosterSession::importUnavailableDays()
{
    if (!document_->requireParticipants())
        return false;
    const QString copyPath = ui_.chooseFileToOpen({});
    if (copyPath.isEmpty())
        return false;
    const QStringList& participants = document_->roster().participants();
    const int chosen = ui_.chooseParticipant(participants, 0);
    return chosen >= 0 && chosen < participants.size() &&
           document_->importUnavailableDays(copyPath, participants.at(chosen));
}

void RosterSession::editRules()
{
    const std::optional<RosterRules> rules = ui_.editRules(document_->roster().rules());
    if (!rules)
        return;
    document_->setRules(*rules);
    // The group's rules are set once: the rosters made from now on start with them.
    if (document_->roster().rules() == *rules)
        Settings().setRules(*rules);
}

std::optional<RepairRequest> RosterSession::repairRequest(QDate first, QDate last, double tolerance,
                                                          const QList<FairnessYear>& earlierYears,
                                                          bool fromRotation) const
{
    const Roster& roster = document_->roster();
    RepairRequest request{{},   roster.participantRows(), roster.rules(), first,
                          last, roster.keptDays(),        tolerance};
    if (!document_->read([&] { request.facts = FactsOf(roster); }))
        return std::nullopt;
    request.weights = Settings().dutyWeights().value_or(DefaultWeights);
    if (fromRotation) {
        const QStringList& rotation = roster.rotation();
        for (qsizetype i = 0; i < rotation.size(); ++i)
            request.reference.insert(request.facts.days.at(i).date, rotation.at(i));
    }
    if (earlierYears.isEmpty())
        return request;
    // Over the earlier years, each rotation member held his share plus his difference.
    const QList<RotationMembers> rotations = Rotations(roster.participantRows());
    for (const FairnessRotation& rotation :
         ComputeFairness(earlierYears, rotations, request.weights)) {
        const bool weekends = rotation.heading == rotations.at(1).heading;
        for (const FairnessLine& line : rotation.lines)
            request.owed[weekends].insert(line.doctor, -line.pointsDifference);
    }
    return request;
}

bool RosterSession::hasRotation() const
{
    return !document_->roster().rotation().isEmpty();
}

QDate RosterSession::repairStart() const
{
    const QDate today = QDate::currentDate();
    const int year = document_->roster().year();
    return today.year() == year ? today : QDate(year, 1, 1);
}

bool RosterSession::applyRepair(const RepairRequest& from, const RepairProposal& proposal)
{
    const std::optional<RepairRequest> now = repairRequest(from.first, from.last, from.tolerance);
    if (!now)
        return false;
    if (now->facts != from.facts || now->participants != from.participants ||
        now->rules != from.rules || now->kept != from.kept) {
        ui_.tell(OutdatedCorrectionText(), MessageIcon::Information);
        return false;
    }
    return document_->replaceDuties(proposal.before, proposal.after,
                                    proposal.after.size() == 1
                                        ? QStringLiteral("Corriger les alertes (1 jour modifié)")
                                        : QStringLiteral("Corriger les alertes (%1 jours modifiés)")
                                              .arg(proposal.after.size()));
}
