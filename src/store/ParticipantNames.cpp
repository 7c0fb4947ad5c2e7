#include "ParticipantNames.h"

#include <QList>

bool IsTooLongForName(const QString& name)
{
    return name.toUcs4().size() > LongestParticipantName;
}

std::optional<QString> ParticipantNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Un nom de participant ne peut pas être vide ni fait uniquement "
                              "d'espaces.");
    for (const char* reserved : {"<Variable>", "<Vide>", "<Partagé>"}) {
        if (name == QString::fromUtf8(reserved))
            return QStringLiteral("Le mot %1 est réservé pour l'application.").arg(name);
    }
    if (IsTooLongForName(name))
        return QStringLiteral("Le nom \"%1\" est trop long : un nom compte au plus %2 caractères.")
            .arg(name, QString::number(LongestParticipantName));
    return std::nullopt;
}
