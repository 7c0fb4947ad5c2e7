#include "document/ShareCheck.h"

#include <QRegularExpression>

std::optional<Notice> IntervalProblem(double start, double end, const QString& doctor)
{
    if (start >= end)
        return Notice{QStringLiteral("Vous avez saisi une heure de fin antérieure ou égale à "
                                     "l'heure de début. Veuillez revoir ces valeurs."),
                      MessageIcon::Warning};
    if (doctor.isEmpty())
        return Notice{QStringLiteral("Vous n'avez pas indiqué de médecin.\r\n"
                                     "Si vous souhaitez indiquer qu'il n'y a pas de médecin "
                                     "désigné pour cet intervalle, ne définissez pas cet "
                                     "intervalle."),
                      MessageIcon::Information};
    return std::nullopt;
}

std::optional<Notice> ShareProblem(const QList<SharedInterval>& intervals)
{
    if (intervals.isEmpty())
        return Notice{QStringLiteral("La liste des médecins partageant la garde est vide."),
                      MessageIcon::Information};
    for (qsizetype i = 0; i < intervals.size(); ++i) {
        for (qsizetype j = 0; j < intervals.size(); ++j) {
            const SharedInterval& a = intervals.at(i);
            const SharedInterval& b = intervals.at(j);
            if (i != j && b.start <= a.start && a.start < b.end)
                return Notice{QStringLiteral("Un ou plusieurs des intervalles se chevauchent.\r\n"
                                             "Veuillez revoir ces valeurs."),
                              MessageIcon::Critical};
        }
    }
    return std::nullopt;
}

QString StepClockTime(const QString& time, bool up)
{
    int hour = time.left(2).toInt();
    const bool halfPast = time.right(2) == QLatin1String("30");
    if (up && halfPast)
        ++hour;
    else if (!up && !halfPast)
        --hour;
    hour = (hour + 24) % 24;
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(halfPast ? QStringLiteral("00") : QStringLiteral("30"));
}

std::optional<QString> TypedClockTime(const QString& text)
{
    static const QRegularExpression time(
        QStringLiteral("^([0-9]{1,2})(?:[hH]([0-9]{2})?|:([0-9]{2})|([0-9]{2}))?$"));
    const QRegularExpressionMatch match = time.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hour = match.captured(1).toInt();
    QString minutes = QStringLiteral("00");
    for (int group = 2; group <= 4; ++group) {
        if (match.hasCaptured(group))
            minutes = match.captured(group);
    }
    if (hour > 23 || (minutes != QLatin1String("00") && minutes != QLatin1String("30")))
        return std::nullopt;
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minutes);
}
