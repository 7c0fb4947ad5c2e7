#include "ParticipantList.h"

namespace {

std::optional<ListProblem> CheckNames(const QStringList& names)
{
    for (const QString& name : names) {
        for (const char* reserved : {"<Variable>", "<Vide>", "<Partagé>"}) {
            if (name == QString::fromUtf8(reserved))
                return ListProblem{
                    QStringLiteral("Le mot %1 est réservé pour l'application.").arg(name), false};
        }
        if (names.count(name) > 1)
            return ListProblem{QStringLiteral("La liste contient un ou plusieurs doublons.\r\n"
                                              "Donnez un nom distinct à chaque participant."),
                               false};
        if (name.size() > LongestName)
            return ListProblem{QStringLiteral("Le nom \"%1\" est trop long : un nom compte au "
                                              "plus %2 caractères.")
                                   .arg(name)
                                   .arg(LongestName),
                               true};
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
