// The edits that rename or remove a participant, exchange days' duties or replace several at
// once, each an undoable command written in one transaction.

#include "document/ChangeDutiesCommand.h"
#include "document/EditTexts.h"
#include "document/Messages.h"
#include "document/RemoveParticipantCommand.h"
#include "document/RenameParticipantCommand.h"
#include "document/RosterDocument.h"
#include "store/ParticipantNames.h"

namespace {

// A duty with one participant's name put in place of another's, on the day and in every
// interval; empty when it does not hold the name.
std::optional<DayDuty> Renamed(DayDuty duty, const QString& former, const QString& name)
{
    bool held = duty.doctor == former;
    if (held)
        duty.doctor = name;
    for (SharedInterval& interval : duty.intervals) {
        if (interval.doctor == former) {
            interval.doctor = name;
            held = true;
        }
    }
    return held ? std::optional(duty) : std::nullopt;
}

// A duty without a participant: a day of his own left to nobody, his intervals taken out of a
// shared day (which is left to nobody once none remains); empty when it does not hold him.
std::optional<DayDuty> Blanked(DayDuty duty, const QString& doctor)
{
    const qsizetype held = duty.intervals.removeIf(
        [&doctor](const SharedInterval& interval) { return interval.doctor == doctor; });
    if (duty.doctor == doctor)
        return DayDuty{};
    if (held == 0)
        return std::nullopt;
    return duty.intervals.isEmpty() ? DayDuty{} : duty;
}

} // namespace

bool RosterDocument::checkNewName(const QString& name)
{
    if (const std::optional<QString> problem = ParticipantNameProblem(name)) {
        messages_.tell(*problem, MessageIcon::Information);
        return false;
    }
    // "(Néant)" stands for nobody in the list of an empty roster: it is no one's name.
    const QStringList& participants = roster_->participants();
    if (participants.contains(name) || (participants.isEmpty() && name == NobodyEntry)) {
        messages_.tell(QStringLiteral("La liste contient déjà ce nom.\r\n"
                                      "Donnez un nom distinct à chaque participant."),
                       MessageIcon::Information);
        return false;
    }
    return true;
}

std::optional<QList<DatedDuty>> RosterDocument::dutiesHolding(
    const std::function<std::optional<DayDuty>(QDate, const DayDuty&)>& changed,
    QList<DatedDuty>& former)
{
    QList<DatedDuty> duties;
    const bool read = this->read([&] {
        const QHash<QDate, QList<SharedInterval>> intervals = roster_->allIntervals();
        for (const RosterDay& day : roster_->days()) {
            const DayDuty duty{day.doctor, intervals.value(day.date)};
            if (const std::optional<DayDuty> after = changed(day.date, duty)) {
                former.append({day.date, duty});
                duties.append({day.date, *after});
            }
        }
    });
    return read ? std::optional(duties) : std::nullopt;
}

bool RosterDocument::renameParticipant(const QString& former, const QString& name)
{
    const qsizetype index = roster_->participants().indexOf(former);
    if (index < 0 || name == former || !checkNewName(name))
        return false;
    QList<DatedDuty> formerDuties;
    const std::optional<QList<DatedDuty>> duties = dutiesHolding(
        [&](QDate, const DayDuty& duty) { return Renamed(duty, former, name); }, formerDuties);
    if (!duties)
        return false;
    const QList<Absence> formerAbsences = roster_->absences();
    QList<Absence> absences = formerAbsences;
    for (Absence& absence : absences) {
        if (absence.doctor == former)
            absence.doctor = name;
    }
    return push(new RenameParticipantCommand(
        *this, QStringLiteral("Renommer le participant %1 en %2").arg(former, name), index,
        {former, formerDuties, formerAbsences}, {name, *duties, absences}));
}

bool RosterDocument::checkSuccessor(const QString& doctor, const QString& successor)
{
    if (successor != doctor && roster_->participants().contains(successor))
        return true;
    messages_.tell(QStringLiteral("Choisissez dans la liste des participants celui qui reprend "
                                  "les gardes de %1.")
                       .arg(doctor),
                   MessageIcon::Information);
    return false;
}

std::optional<QList<DatedDuty>> RosterDocument::dutiesLeft(const Removal& removal, QDate from,
                                                           QList<DatedDuty>& former)
{
    if (removal.duties == LeftDuties::Kept)
        return QList<DatedDuty>();
    return dutiesHolding(
        [&](QDate day, const DayDuty& duty) -> std::optional<DayDuty> {
            if (from.isValid() && day < from)
                return std::nullopt;
            return removal.duties == LeftDuties::Blanked
                       ? Blanked(duty, removal.doctor)
                       : Renamed(duty, removal.doctor, removal.successor);
        },
        former);
}

bool RosterDocument::removeParticipant(const Removal& removal)
{
    const qsizetype index = roster_->participants().indexOf(removal.doctor);
    if (index < 0)
        return false;
    if (removal.duties == LeftDuties::Given && !checkSuccessor(removal.doctor, removal.successor))
        return false;
    const QDate arrival = roster_->participantRows().at(index).presence.arrival;
    const QDate yearStart(roster_->year(), 1, 1);
    if (!removal.from.isValid() || removal.from <= std::max(yearStart, arrival))
        return removeFromTheYear(index, removal);
    if (removal.from.year() != roster_->year()) {
        messages_.tell(QStringLiteral("Le jour du départ doit être compris dans l'année %1 du "
                                      "tour de garde.")
                           .arg(roster_->year()),
                       MessageIcon::Information);
        return false;
    }
    return removeFromDay(index, removal);
}

bool RosterDocument::removeFromTheYear(qsizetype index, const Removal& removal)
{
    QList<DatedDuty> formerDuties;
    const std::optional<QList<DatedDuty>> duties = dutiesLeft(removal, {}, formerDuties);
    if (!duties)
        return false;
    const QString& doctor = removal.doctor;
    const QList<Absence> formerAbsences = roster_->absences();
    QList<Absence> absences = formerAbsences;
    absences.removeIf([&doctor](const Absence& absence) { return absence.doctor == doctor; });
    return push(new RemoveParticipantCommand(
        *this, QStringLiteral("Retirer le participant %1").arg(doctor),
        {index, roster_->participantRow(index), formerDuties, *duties, formerAbsences, absences}));
}

bool RosterDocument::removeFromDay(qsizetype index, const Removal& removal)
{
    QList<DatedDuty> formerDuties;
    const std::optional<QList<DatedDuty>> duties = dutiesLeft(removal, removal.from, formerDuties);
    if (!duties)
        return false;
    const Presence former = roster_->participantRows().at(index).presence;
    const Presence presence{former.arrival, removal.from};
    return edit(
        QStringLiteral("Retirer le participant %1 à partir du %2")
            .arg(removal.doctor, DayText(removal.from)),
        [=, this] { roster_->setPresence(index, presence, *duties); },
        [=, this] { roster_->setPresence(index, former, formerDuties); },
        [this] { showParticipantChange(); }, EditScope::Roster);
}

bool RosterDocument::replaceParticipant(const Replacement& replacement)
{
    const QString& doctor = replacement.doctor;
    if (!roster_->participants().contains(doctor) || !checkSuccessor(doctor, replacement.successor))
        return false;
    const int year = roster_->year();
    if (!replacement.first.isValid() || !replacement.last.isValid() ||
        replacement.last < replacement.first || replacement.first.year() != year ||
        replacement.last.year() != year) {
        messages_.tell(QStringLiteral("Le remplacement va d'un jour (Du) à un jour qui ne le "
                                      "précède pas (Au), tous deux dans l'année %1 du tour de "
                                      "garde.\r\nVeuillez revoir ces dates.")
                           .arg(year),
                       MessageIcon::Information);
        return false;
    }
    QList<DatedDuty> formerDuties;
    const std::optional<QList<DatedDuty>> duties = dutiesHolding(
        [&](QDate day, const DayDuty& duty) -> std::optional<DayDuty> {
            if (day < replacement.first || day > replacement.last)
                return std::nullopt;
            return Renamed(duty, doctor, replacement.successor);
        },
        formerDuties);
    if (!duties)
        return false;
    const QString period = PeriodText(replacement.first, replacement.last);
    if (duties->isEmpty()) {
        messages_.tell(QStringLiteral("%1 n'est de garde aucun jour %2.").arg(doctor, period),
                       MessageIcon::Information);
        return false;
    }
    if (!edit(
            QStringLiteral("Remplacer %1 par %2 %3").arg(doctor, replacement.successor, period),
            [=, this] { roster_->setDuties(*duties); },
            [=, this] { roster_->setDuties(formerDuties); }, [this] { emit daysChanged(); },
            EditScope::Roster))
        return false;
    messages_.tell(QStringLiteral("%1 jour(s) de garde de %2 donné(s) à %3.")
                       .arg(duties->size())
                       .arg(doctor, replacement.successor),
                   MessageIcon::Information);
    return true;
}

void RosterDocument::showParticipantChange()
{
    emit participantsChanged();
    emit absencesChanged();
    emit daysChanged();
}

bool RosterDocument::swapDuties(const QList<QDate>& days, const QList<QDate>& others)
{
    if (days.isEmpty() || days.size() != others.size())
        return false;
    for (qsizetype i = 0; i < days.size(); ++i) {
        if (!roster_->day(days.at(i)) || !roster_->day(others.at(i)) || days.contains(others.at(i)))
            return false;
    }
    QList<DatedDuty> before, after;
    if (!read([&] {
            for (qsizetype i = 0; i < days.size(); ++i) {
                const DayDuty duty = roster_->duty(days.at(i));
                const DayDuty other = roster_->duty(others.at(i));
                before << DatedDuty{days.at(i), duty} << DatedDuty{others.at(i), other};
                after << DatedDuty{days.at(i), other} << DatedDuty{others.at(i), duty};
            }
        }))
        return false;
    if (before == after)
        return false;
    return push(new ChangeDutiesCommand(
        *this, QStringLiteral("Échanger les gardes %1 et %2").arg(DaysText(days), DaysText(others)),
        before, after));
}

bool RosterDocument::replaceDuties(const QList<DatedDuty>& before, const QList<DatedDuty>& after,
                                   const QString& text, const QString& outdated)
{
    QList<DatedDuty> now;
    if (before.isEmpty() || !read([&] {
            for (const DatedDuty& duty : before)
                now.append({duty.day, roster_->duty(duty.day)});
        }))
        return false;
    if (now != before) {
        messages_.tell(outdated, MessageIcon::Information);
        return false;
    }
    return push(new ChangeDutiesCommand(*this, text, before, after));
}
