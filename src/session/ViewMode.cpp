#include "session/ViewMode.h"

#include "store/Roster.h"

#include <algorithm>

QString ViewModeMenuText(ViewMode mode)
{
    switch (mode) {
    case ViewMode::Standard:
        return QStringLiteral("&Standard (jours fériés en surbrillance)");
    case ViewMode::Doctor:
        return QStringLiteral("Repérer les gardes d'un &médecin en particulier");
    case ViewMode::Shared:
        return QStringLiteral("Repérer les gardes &partagées");
    case ViewMode::Blank:
        return QStringLiteral("Repérer les gardes laissées à &blanc");
    case ViewMode::Unavailable:
        return QStringLiteral("Repérer mes jours &indisponibles");
    case ViewMode::Absences:
        return QStringLiteral("Repérer les &absences d'un médecin");
    }
    return {};
}

bool IsHighlighted(ViewMode mode, const RosterDay& day, const QString& findTarget,
                   const Roster& roster)
{
    switch (mode) {
    case ViewMode::Standard:
        return day.type != DayType::Weekday;
    case ViewMode::Doctor:
        return day.doctor == findTarget ||
               (day.doctor == SharedDutyMarker && roster.hasInterval(day.date, findTarget));
    case ViewMode::Shared:
        return day.doctor == SharedDutyMarker;
    case ViewMode::Blank:
        return day.doctor.isEmpty();
    case ViewMode::Unavailable:
        return day.unavailable;
    case ViewMode::Absences:
        return std::any_of(roster.absences().cbegin(), roster.absences().cend(),
                           [&](const Absence& absence) {
                               return absence.doctor == findTarget && absence.first <= day.date &&
                                      day.date <= absence.last;
                           });
    }
    return false;
}
