#include "generator/ParticipantList.h"

#include "store/ParticipantNames.h"

namespace {

std::optional<ListProblem> CheckNames(const QStringList& names)
{
    for (const QString& name : names) {
        const std::optional<QString> problem = ParticipantNameProblem(name);
        const bool tooLong = IsTooLongForName(name);
        if (problem && !tooLong)
            return ListProblem{*problem, false};
        if (names.count(name) > 1)
            return ListProblem{QStringLiteral("La liste contient un ou plusieurs doublons.\r\n"
                                              "Donnez un nom distinct à chaque participant."),
                               false};
        if (problem)
            return ListProblem{*problem, true};
    }
    return std::nullopt;
}

} // namespace

std::optional<ListProblem> CheckWeekdayList(const QStringList& names)
{
    if (names.size() < 2)
        return ListProblem{QStringLiteral("Il est nécessaire d'avoir au moins 2 participants à un "
                                          "tour de garde."),
                           true};
    return CheckNames(names);
}

std::optional<ListProblem> CheckWeekendList(const QStringList& names)
{
    if (names.isEmpty())
        return ListProblem{QStringLiteral("Votre liste de participants est vide !"), true};
    return CheckNames(names);
}
