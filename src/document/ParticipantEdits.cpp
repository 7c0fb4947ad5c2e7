// The edits that rename or remove a participant, or swap two days' duties, each an undoable
// command written in one transaction.

#include "document/EditTexts.h"
#include "document/Messages.h"
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

std::optional<QList<DatedDuty>>
RosterDocument::dutiesHolding(const std::function<std::optional<DayDuty>(const DayDuty&)>& changed,
                              QList<DatedDuty>& former)
{
    QList<DatedDuty> duties;
    const bool read = this->read([&] {
        const QHash<QDate, QList<SharedInterval>> intervals = roster_->allIntervals();
        for (const RosterDay& day : roster_->days()) {
            const DayDuty duty{day.doctor, intervals.value(day.date)};
            if (const std::optional<DayDuty> after = changed(duty)) {
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
        [&](const DayDuty& duty) { return Renamed(duty, former, name); }, formerDuties);
    if (!duties)
        return false;
    const QList<Absence> formerAbsences = roster_->absences();
    QList<Absence> absences = formerAbsences;
    for (Absence& absence : absences) {
        if (absence.doctor == former)
            absence.doctor = name;
    }
    return edit(
        QStringLiteral("Renommer le participant %1 en %2").arg(former, name),
        [=, this] { roster_->renameParticipant(index, name, *duties, absences); },
        [=, this] { roster_->renameParticipant(index, former, formerDuties, formerAbsences); },
        [this] { showParticipantChange(); }, Scope::Roster);
}

bool RosterDocument::removeParticipant(const QString& doctor)
{
    const qsizetype index = roster_->participants().indexOf(doctor);
    if (index < 0)
        return false;
    QList<DatedDuty> formerDuties;
    std::optional<QList<DatedDuty>> duties =
        dutiesHolding([&](const DayDuty& duty) { return Blanked(duty, doctor); }, formerDuties);
    if (!duties)
        return false;
    if (!duties->isEmpty()) {
        const int answer =
            messages_.ask({QStringLiteral("%1 est de garde %2 jour(s) de ce tour de garde.\r\n"
                                          "Voulez-vous mettre ces gardes à blanc ?\r\n"
                                          "Si vous répondez Non, son nom reste sur ces jours.")
                               .arg(doctor)
                               .arg(duties->size()),
                           ButtonSet::YesNoCancel, MessageIcon::Question});
        if (answer != AnswerYes && answer != AnswerNo)
            return false;
        if (answer == AnswerNo) {
            duties->clear();
            formerDuties.clear();
        }
    }
    const QList<Absence> formerAbsences = roster_->absences();
    QList<Absence> absences = formerAbsences;
    absences.removeIf([&doctor](const Absence& absence) { return absence.doctor == doctor; });
    const ParticipantRow row = roster_->participantRow(index);
    return edit(
        QStringLiteral("Retirer le participant %1").arg(doctor),
        [=, this] { roster_->removeParticipant(index, *duties, absences); },
        [=, this] { roster_->restoreParticipant(index, row, formerDuties, formerAbsences); },
        [this] { showParticipantChange(); }, Scope::Roster);
}

void RosterDocument::showParticipantChange()
{
    emit participantsChanged();
    emit absencesChanged();
    emit daysChanged();
}

namespace {

// "du 5 mars", "du 5 mars au 6 mars" for the days of one duty.
QString DaysText(const QList<QDate>& days)
{
    return days.size() == 1 ? QStringLiteral("du %1").arg(DayText(days.constFirst()))
                            : QStringLiteral("du %1 au %2")
                                  .arg(DayText(days.constFirst()), DayText(days.constLast()));
}

} // namespace

bool RosterDocument::swapDuties(const QList<QDate>& days, const QList<QDate>& others)
{
    if (days.isEmpty() || days.size() != others.size())
        return false;
    bool sameTypes = true;
    for (qsizetype i = 0; i < days.size(); ++i) {
        const RosterDay* row = roster_->day(days.at(i));
        const RosterDay* other = roster_->day(others.at(i));
        if (!row || !other || days.contains(others.at(i)))
            return false;
        sameTypes = sameTypes && row->type == other->type;
    }
    if (!sameTypes && !confirm(QStringLiteral("Ces deux jours ne sont pas du même type.\r\n"
                                              "Échanger tout de même les gardes %1 et %2 ?")
                                   .arg(DaysText(days), DaysText(others))))
        return false;
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
    return edit(
        QStringLiteral("Échanger les gardes %1 et %2").arg(DaysText(days), DaysText(others)),
        [=, this] { roster_->setDuties(after); }, [=, this] { roster_->setDuties(before); },
        [=, this] {
            for (const QDate& day : days + others)
                emit dayChanged(day);
        },
        Scope::Roster);
}
