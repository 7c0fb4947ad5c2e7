#include "document/AbsenceCheck.h"

#include "store/ParticipantNames.h"

#include <algorithm>

namespace {

// The longest reason the roster file holds, in characters.
constexpr int LongestReason = 50;

bool Overlap(const Absence& a, const Absence& b)
{
    return a.doctor == b.doctor && a.first <= b.last && b.first <= a.last;
}

} // namespace

std::optional<QString> AbsenceProblem(const Absence& absence, const QStringList& participants,
                                      int year)
{
    if (!participants.contains(absence.doctor))
        return QStringLiteral("Choisissez le participant absent dans la liste des participants.");
    if (!absence.first.isValid() || !absence.last.isValid())
        return QStringLiteral("Indiquez le premier et le dernier jour de l'absence.");
    if (absence.last < absence.first)
        return QStringLiteral("Le dernier jour de l'absence (Au) précède son premier jour (Du).\r\n"
                              "Veuillez revoir ces dates.");
    if (absence.first.year() != year || absence.last.year() != year)
        return QStringLiteral("Une absence doit être comprise dans l'année %1 du tour de garde.")
            .arg(year);
    if (HoldsControlCharacter(absence.reason))
        return ControlCharacterProblem();
    if (absence.reason.toUcs4().size() > LongestReason)
        return QStringLiteral("Le motif est trop long : un motif compte au plus %1 caractères.")
            .arg(LongestReason);
    return std::nullopt;
}

QList<Absence> WithAbsence(QList<Absence> absences, Absence added, qsizetype replaced)
{
    if (replaced >= 0)
        absences.removeAt(replaced);
    QList<Absence> kept;
    QString reasonTakenIn;
    for (const Absence& absence : std::as_const(absences)) {
        if (!Overlap(absence, added)) {
            kept.append(absence);
            continue;
        }
        added.first = std::min(added.first, absence.first);
        added.last = std::max(added.last, absence.last);
        if (reasonTakenIn.isEmpty())
            reasonTakenIn = absence.reason;
    }
    if (added.reason.isEmpty())
        added.reason = reasonTakenIn;
    kept.append(added);
    SortAbsences(kept);
    return kept;
}

QList<Absence> AbsencesOfDays(const QString& doctor, QList<QDate> days, const QString& reason)
{
    std::sort(days.begin(), days.end());
    QList<Absence> periods;
    for (const QDate& day : std::as_const(days)) {
        if (!periods.isEmpty() && periods.last().last.addDays(1) >= day)
            periods.last().last = std::max(periods.last().last, day);
        else
            periods.append({doctor, day, day, reason});
    }
    return periods;
}
