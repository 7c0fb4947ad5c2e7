// The edits of a roster document, each an undoable command.

#include "document/EditTexts.h"
#include "document/Messages.h"
#include "document/RosterDocument.h"
#include "document/RosterEdit.h"
#include "document/ShareCheck.h"
#include "store/DatabaseError.h"
#include "store/ParticipantNames.h"

#include <algorithm>
#include <iterator>

bool RosterDocument::edit(const QString& text, std::function<void()> change,
                          std::function<void()> revert, std::function<void()> shown,
                          EditScope scope)
{
    return push(
        new RosterEdit(*this, text, std::move(change), std::move(revert), std::move(shown), scope));
}

bool RosterDocument::push(RosterCommand* command)
{
    editWritten_ = false;
    pushing_ = true;
    undoStack_.push(command);
    pushing_ = false;
    return editWritten_;
}

bool RosterDocument::undo()
{
    return stepHistory(true);
}

bool RosterDocument::redo()
{
    return stepHistory(false);
}

// The side of the edit is written first: refused (a full disk, a file locked by another
// program), the history, the roster and its unsaved state stay as they were.
bool RosterDocument::stepHistory(bool back)
{
    const int index = undoStack_.index() - (back ? 1 : 0);
    const auto* edit = dynamic_cast<const RosterCommand*>(undoStack_.command(index));
    if (!edit || !write(*edit, !back))
        return false;
    writtenAhead_ = true;
    if (back) {
        journal_.undone(roster_->database(), edit->text());
        undoStack_.undo();
    } else {
        journal_.redone(roster_->database(), edit->text());
        undoStack_.redo();
    }
    return true;
}

bool RosterDocument::write(const RosterCommand& command, bool forward)
{
    // Recorded before the change is written: a program killed just after the write still
    // leaves a roster that is offered back.
    lastEdit_ = QDateTime::currentDateTime();
    recordWorkFile(true);
    try {
        command.write(*roster_, forward);
    } catch (const DatabaseError&) {
        if (!modified_)
            recordWorkFile(false);
        messages_.tell(command.scope() == EditScope::Day
                           ? QStringLiteral("Une erreur s'est produite pendant la modification du "
                                            "tour de garde. Le jour est resté tel qu'il était.")
                           : QStringLiteral("Une erreur s'est produite pendant la modification du "
                                            "tour de garde. Le tour de garde est resté tel qu'il "
                                            "était."),
                       MessageIcon::Critical);
        return false;
    }
    editWritten_ = true;
    // Written before the history moves on: what follows it reads the journal as it now is.
    if (pushing_)
        journal_.edited(roster_->database(), command.text());
    return true;
}

bool RosterDocument::putDuty(QDate day, const DayDuty& duty, const QString& text)
{
    DayDuty former;
    if (!read([&] { former = roster_->duty(day); }))
        return false;
    return edit(
        text, [this, day, duty] { roster_->setDuty(day, duty); },
        [this, day, former] { roster_->setDuty(day, former); },
        [this, day] { emit dayChanged(day); }, EditScope::Day);
}

bool RosterDocument::assignDay(QDate day, const QString& doctor)
{
    if (!roster_->day(day))
        return false;
    return putDuty(day, {doctor, {}},
                   doctor.isEmpty()
                       ? QStringLiteral("Mettre à blanc le %1").arg(DayText(day))
                       : QStringLiteral("Mettre de garde %1 le %2").arg(doctor, DayText(day)));
}

bool RosterDocument::shareDay(QDate day, const QList<SharedInterval>& intervals)
{
    if (!roster_->day(day))
        return false;
    // The sharing dialog refuses these already; what reaches the roster is checked all the same.
    if (const std::optional<Notice> problem = ShareProblem(intervals)) {
        messages_.tell(problem->message, problem->icon);
        return false;
    }
    return putDuty(day, {SharedDutyMarker, intervals},
                   QStringLiteral("Partager la garde du %1").arg(DayText(day)));
}

bool RosterDocument::copyDay(QDate source, QDate target)
{
    const RosterDay* sourceRow = roster_->day(source);
    const RosterDay* targetRow = roster_->day(target);
    if (!sourceRow || !targetRow || target == source)
        return false;
    if (targetRow->doctor != SharedDutyMarker && targetRow->doctor == sourceRow->doctor)
        return false;
    DayDuty copied;
    if (!read([&] { copied = roster_->duty(source); }))
        return false;
    return putDuty(
        target, copied,
        QStringLiteral("Copier la garde du %1 sur le %2").arg(DayText(source), DayText(target)));
}

bool RosterDocument::setDayProperties(QDate day, DayType type, bool unavailable)
{
    const RosterDay* row = roster_->day(day);
    if (!row)
        return false;
    const DayType formerType = row->type;
    const bool formerUnavailable = row->unavailable;
    return edit(
        QStringLiteral("Modifier les propriétés du %1").arg(DayText(day)),
        [this, day, type, unavailable] { roster_->setProperties(day, type, unavailable); },
        [this, day, formerType, formerUnavailable] {
            roster_->setProperties(day, formerType, formerUnavailable);
        },
        [this, day] { emit dayChanged(day); }, EditScope::Day);
}

bool RosterDocument::setDayKept(QDate day, bool kept)
{
    const QSet<QDate> former = roster_->keptDays();
    if (!roster_->day(day) || former.contains(day) == kept)
        return false;
    QSet<QDate> days = former;
    if (kept)
        days.insert(day);
    else
        days.remove(day);
    return edit((kept ? QStringLiteral("Garder le %1 tel quel")
                      : QStringLiteral("Ne plus garder le %1 tel quel"))
                    .arg(DayText(day)),
                [this, days] { roster_->setKeptDays(days); },
                [this, former] { roster_->setKeptDays(former); },
                [this, day] { emit dayChanged(day); }, EditScope::Day);
}

bool RosterDocument::clearUnavailableDays()
{
    const QList<QDate> former = roster_->unavailableDays();
    return edit(
        QStringLiteral("Vider la liste de mes jours indisponibles"),
        [this] { roster_->setUnavailableDays({}); },
        [this, former] { roster_->setUnavailableDays(former); }, [this] { emit daysChanged(); },
        EditScope::Roster);
}

bool RosterDocument::addParticipant(const QString& name, QDate arrival)
{
    if (!checkNewName(name))
        return false;
    // Arriving on the year's first day is being there the whole year.
    if (arrival == QDate(roster_->year(), 1, 1))
        arrival = {};
    if (arrival.isValid() && arrival.year() != roster_->year()) {
        messages_.tell(QStringLiteral("Le jour de l'arrivée doit être compris dans l'année %1 du "
                                      "tour de garde.")
                           .arg(roster_->year()),
                       MessageIcon::Information);
        return false;
    }
    return edit(
        arrival.isValid()
            ? QStringLiteral("Ajouter le participant %1 à partir du %2").arg(name, DayText(arrival))
            : QStringLiteral("Ajouter le participant %1").arg(name),
        [this, name, arrival] { roster_->addParticipant(name, arrival); },
        [this] { roster_->removeLastParticipant(); }, [this] { emit participantsChanged(); },
        EditScope::Roster);
}

bool RosterDocument::setSector(const QString& sector)
{
    if (sector.isEmpty())
        return false;
    if (HoldsControlCharacter(sector)) {
        messages_.tell(ControlCharacterProblem(), MessageIcon::Information);
        return false;
    }
    const QString former = roster_->sector();
    return edit(
        QStringLiteral("Nommer le secteur %1").arg(sector),
        [this, sector] { roster_->setSector(sector); },
        [this, former] { roster_->setSector(former); },
        [this] { emit sectorChanged(roster_->sector()); }, EditScope::Roster);
}

bool RosterDocument::setAdministrativeData(qsizetype index, const AdministrativeData& data)
{
    const QString typed[] = {data.civilName, data.identification, data.address, data.postalCode,
                             data.town};
    if (std::any_of(std::begin(typed), std::end(typed), HoldsControlCharacter)) {
        messages_.tell(ControlCharacterProblem(), MessageIcon::Information);
        return false;
    }
    const AdministrativeData former = roster_->participantRows().at(index).data;
    return edit(
        QStringLiteral("Modifier les données administratives de %1").arg(former.doctor),
        [this, index, data] { roster_->setAdministrativeData(index, data); },
        [this, index, former] { roster_->setAdministrativeData(index, former); }, [] {},
        EditScope::Roster);
}

bool RosterDocument::setRules(const RosterRules& rules)
{
    const RosterRules former = roster_->rules();
    if (rules == former)
        return false;
    return edit(
        QStringLiteral("Modifier les règles du tour de garde"),
        [this, rules] { roster_->setRules(rules); }, [this, former] { roster_->setRules(former); },
        [this] { emit rulesChanged(); }, EditScope::Roster);
}
