// The edits of the participants' absences, each an undoable command.

#include "document/AbsenceCheck.h"
#include "document/EditTexts.h"
#include "document/Messages.h"
#include "document/RosterDocument.h"
#include "store/FilePaths.h"
#include "store/RosterFile.h"

bool RosterDocument::putAbsences(const QList<Absence>& absences, const QString& text)
{
    const QList<Absence> former = roster_->absences();
    return edit(
        text, [this, absences] { roster_->setAbsences(absences); },
        [this, former] { roster_->setAbsences(former); }, [this] { emit absencesChanged(); },
        EditScope::Roster);
}

bool RosterDocument::checkAbsence(const Absence& absence)
{
    const std::optional<QString> problem =
        AbsenceProblem(absence, roster_->participants(), roster_->year());
    if (problem)
        messages_.tell(*problem, MessageIcon::Information);
    return !problem;
}

bool RosterDocument::addAbsence(const Absence& absence)
{
    if (!checkAbsence(absence))
        return false;
    return putAbsences(WithAbsence(roster_->absences(), absence),
                       QStringLiteral("Ajouter l'absence de %1 %2")
                           .arg(absence.doctor, PeriodText(absence.first, absence.last)));
}

bool RosterDocument::changeAbsence(qsizetype index, const Absence& absence)
{
    if (index < 0 || index >= roster_->absences().size() || !checkAbsence(absence))
        return false;
    if (roster_->absences().at(index) == absence)
        return false;
    return putAbsences(WithAbsence(roster_->absences(), absence, index),
                       QStringLiteral("Modifier l'absence de %1 %2")
                           .arg(absence.doctor, PeriodText(absence.first, absence.last)));
}

bool RosterDocument::removeAbsence(qsizetype index)
{
    if (index < 0 || index >= roster_->absences().size())
        return false;
    QList<Absence> absences = roster_->absences();
    const Absence removed = absences.takeAt(index);
    return putAbsences(absences, QStringLiteral("Supprimer l'absence de %1 %2")
                                     .arg(removed.doctor, PeriodText(removed.first, removed.last)));
}

std::unique_ptr<Roster> RosterDocument::readOtherRoster(const QString& path,
                                                        const QString& otherYearAdvice)
{
    // Read from a working copy, so that the other roster file is never touched.
    WorkingCopy working = MakeWorkingCopy(path);
    if (working.file && RosterDatabase::isFromNewerVersion(working.file->path())) {
        messages_.tell(NewerVersionMessage, MessageIcon::Critical);
        return nullptr;
    }
    std::unique_ptr<Roster> other = Roster::load(RosterDatabase::open(std::move(working.file)));
    if (!other) {
        messages_.tell(NotARosterMessage, MessageIcon::Critical);
        return nullptr;
    }
    // Its working copy holds nothing of the user's: should the program end without closing it,
    // the next start clears it away instead of offering it back.
    other->database().workFile()->writeRecord(
        {path, std::nullopt, {}, RosterCaption(path), QDateTime::currentDateTime(), false});
    if (other->year() != roster_->year()) {
        messages_.tell(QStringLiteral("Ce tour de garde est celui de l'année %1.\r\n%2")
                           .arg(other->year())
                           .arg(otherYearAdvice),
                       MessageIcon::Information);
        return nullptr;
    }
    return other;
}

bool RosterDocument::importUnavailableDays(const QString& copyPath, const QString& doctor)
{
    if (!roster_->participants().contains(doctor))
        return false;
    const std::unique_ptr<Roster> copy = readOtherRoster(
        copyPath, QStringLiteral("Choisissez une copie du tour de garde %1.").arg(roster_->year()));
    if (!copy)
        return false;
    const QList<QDate> days = copy->unavailableDays();
    if (days.isEmpty()) {
        messages_.tell(QStringLiteral("Aucun jour n'est marqué indisponible dans cette copie."),
                       MessageIcon::Information);
        return false;
    }
    QList<Absence> absences = roster_->absences();
    for (const Absence& period : AbsencesOfDays(doctor, days, UnavailableReason))
        absences = WithAbsence(absences, period);
    if (absences == roster_->absences())
        return false;
    return putAbsences(absences,
                       QStringLiteral("Importer les jours indisponibles de %1").arg(doctor));
}
