#pragma once

#include "store/Roster.h"

#include <optional>

// The reason an absence imported from a participant's own copy is given.
inline const QString UnavailableReason = QStringLiteral("Indisponible");

// What the user is told when an absence cannot be kept: it needs both days, the last not
// before the first, both in the roster's year, a participant of the list, and a reason of at
// most 50 characters without control characters. Empty when it can be kept.
std::optional<QString> AbsenceProblem(const Absence& absence, const QStringList& participants,
                                      int year);

// The absences with one added, or put in place of the one at `replaced`: the absent
// participant's periods that share a day with it are merged into it. The merged period keeps
// the reason given, or when that is empty the first reason among those it takes in. In the
// order a roster keeps them.
QList<Absence> WithAbsence(QList<Absence> absences, Absence added, qsizetype replaced = -1);

// A participant's days as periods, consecutive days making one, each with the reason given.
QList<Absence> AbsencesOfDays(const QString& doctor, QList<QDate> days, const QString& reason);
