#include "store/ParticipantNames.h"

#include <QList>

#include <algorithm>

bool IsTooLongForName(const QString& name)
{
    return name.toUcs4().size() > LongestParticipantName;
}

bool HoldsControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), IsControlCharacter);
}

QString ControlCharacterProblem()
{
    return QStringLiteral("Le texte saisi ne peut contenir ni tabulation, ni retour à la ligne, "
                          "ni aucun autre caractère de contrôle.");
}

std::optional<QString> ParticipantNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Un nom de participant ne peut pas être vide ni fait uniquement "
                              "d'espaces.");
    if (HoldsControlCharacter(name))
        return ControlCharacterProblem();
    for (const char* reserved : {"<Variable>", "<Vide>", "<Partagé>"}) {
        if (name == QString::fromUtf8(reserved))
            return QStringLiteral("Le mot %1 est réservé pour l'application.").arg(name);
    }
    if (IsTooLongForName(name))
        return QStringLiteral("Le nom \"%1\" est trop long : un nom compte au plus %2 caractères.")
            .arg(name, QString::number(LongestParticipantName));
    return std::nullopt;
}
