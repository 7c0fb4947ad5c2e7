#include "reports/RosterDifferences.h"

#include "document/EditTexts.h"

#include <QHash>

namespace {

QString RotationsText(const Participant& participant)
{
    if (participant.weekdays && participant.weekends)
        return QStringLiteral("Semaine et WE");
    if (participant.weekdays)
        return QStringLiteral("Semaine");
    if (participant.weekends)
        return QStringLiteral("WE");
    return QStringLiteral("aucun tour");
}

void CompareParticipants(const Roster& theirs, const Roster& mine, RosterDifferences& found)
{
    QHash<QString, Participant> theirRows;
    for (const Participant& participant : theirs.participantRows())
        theirRows.insert(participant.data.doctor, participant);
    for (const Participant& participant : mine.participantRows()) {
        const QString& doctor = participant.data.doctor;
        if (!theirRows.contains(doctor)) {
            found.participantsAdded.append(doctor);
            continue;
        }
        const Participant& there = theirRows.value(doctor);
        if (there.weekdays != participant.weekdays || there.weekends != participant.weekends)
            found.rotationsChanged.append(
                QStringLiteral("%1 : %2 → %3")
                    .arg(doctor, RotationsText(there), RotationsText(participant)));
    }
    for (const QString& doctor : theirs.participants()) {
        if (!mine.participants().contains(doctor))
            found.participantsRemoved.append(doctor);
    }
}

void CompareAbsences(const Roster& theirs, const Roster& mine, RosterDifferences& found)
{
    for (const Absence& absence : mine.absences()) {
        if (!theirs.absences().contains(absence))
            found.absencesAdded.append(absence);
    }
    for (const Absence& absence : theirs.absences()) {
        if (!mine.absences().contains(absence))
            found.absencesRemoved.append(absence);
    }
}

// Each rule as the rules window names it, and whether it is reported.
QList<std::pair<QString, bool>> RuleStates(const RosterRules& rules)
{
    return {
        {QStringLiteral("de garde deux jours de suite"), rules.twoDaysRunning},
        {QStringLiteral("de garde le lundi après son week-end"), rules.dayAfterWeekend},
        {QStringLiteral("de garde plus de %1 week-ends sur %2 consécutifs")
             .arg(rules.weekendsAllowed)
             .arg(rules.weekendsWindow),
         rules.tooManyWeekends},
        {QStringLiteral("un jour sans personne de garde"), rules.dayWithoutDuty},
        {QStringLiteral("un jour partagé dont des heures restent sans personne"),
         rules.uncoveredHours},
        {QStringLiteral("un jour tenu par un nom absent de la liste des participants"),
         rules.unknownName},
    };
}

QString RuleText(const std::pair<QString, bool>& rule)
{
    return QStringLiteral("%1 (%2)").arg(rule.first, rule.second ? QStringLiteral("signalé")
                                                                 : QStringLiteral("non signalé"));
}

void CompareSectorAndRules(const Roster& theirs, const Roster& mine, RosterDifferences& found)
{
    if (theirs.sector() != mine.sector())
        found.sectorAndRules.append(
            QStringLiteral("Secteur : « %1 » → « %2 »").arg(theirs.sector(), mine.sector()));
    const QList<std::pair<QString, bool>> there = RuleStates(theirs.rules());
    const QList<std::pair<QString, bool>> here = RuleStates(mine.rules());
    for (qsizetype i = 0; i < here.size(); ++i) {
        if (there.at(i) != here.at(i))
            found.sectorAndRules.append(
                QStringLiteral("Règle : %1 → %2").arg(RuleText(there.at(i)), RuleText(here.at(i))));
    }
}

} // namespace

RosterDifferences CompareRosters(const Roster& theirs, const Roster& mine)
{
    RosterDifferences found;
    const QHash<QDate, QList<SharedInterval>> theirIntervals = theirs.allIntervals();
    const QHash<QDate, QList<SharedInterval>> myIntervals = mine.allIntervals();
    for (const RosterDay& day : mine.days()) {
        const RosterDay* there = theirs.day(day.date);
        if (!there)
            continue;
        const DayDuty theirDuty{there->doctor, there->doctor == SharedDutyMarker
                                                   ? theirIntervals.value(day.date)
                                                   : QList<SharedInterval>()};
        const DayDuty myDuty{day.doctor, day.doctor == SharedDutyMarker
                                             ? myIntervals.value(day.date)
                                             : QList<SharedInterval>()};
        // A day shared by no interval is held by nobody, as a blank one.
        if (theirDuty != myDuty && DutyText(theirDuty) != DutyText(myDuty))
            found.days.append({day.date, theirDuty, myDuty});
    }
    CompareParticipants(theirs, mine, found);
    CompareAbsences(theirs, mine, found);
    CompareSectorAndRules(theirs, mine, found);
    return found;
}

QString DutyText(const DayDuty& duty)
{
    if (duty.doctor == SharedDutyMarker && !duty.intervals.isEmpty())
        return IntervalsText(duty.intervals);
    return duty.doctor.isEmpty() || duty.doctor == SharedDutyMarker ? QStringLiteral("(personne)")
                                                                    : duty.doctor;
}

QString AbsenceText(const Absence& absence)
{
    const QString text =
        QStringLiteral("%1 %2").arg(absence.doctor, PeriodText(absence.first, absence.last));
    return absence.reason.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, absence.reason);
}
