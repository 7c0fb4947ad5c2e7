#include "generator/WeekdayTexts.h"

#include "generator/WeekdayRotation.h"

#include <QDate>
#include <QLocale>

namespace {

QString DateText(QDate day, const QString& format)
{
    return QLocale(QLocale::French).toString(day, format);
}

QString LongDate(QDate day)
{
    return DateText(day, QStringLiteral("dddd dd MMMM"));
}

QString ParticipantsLine(int participantCount)
{
    return QStringLiteral("Le tour de garde de semaine comprend %1 participants pour 5 jours.")
        .arg(participantCount);
}

QString LeftoverDaysText(int remainder)
{
    if (remainder == 4)
        return QStringLiteral("Reste un jour qui peut, soit être affecté à un participant qui "
                              "accepte donc d'être désigné deux fois, soit être laissé à blanc "
                              "pour être attribué manuellement par la suite.");
    const QString days = remainder == 3 ? QStringLiteral("deux") : QStringLiteral("trois");
    return QStringLiteral("Restent %1 jours qui peuvent, en partie ou en totalité, soit être "
                          "affectés à un ou plusieurs participants qui acceptent donc d'être "
                          "désignés plus d'une fois, soit être laissés à blanc pour être "
                          "attribués manuellement par la suite.")
        .arg(days);
}

QString SecondaryRotationText(int remainder)
{
    const QString each =
        QStringLiteral("Chaque jour de la période est attribué à un participant. ");
    if (remainder == 4)
        return each + QStringLiteral("Le jour restant fait également l'objet d'un tour de garde "
                                     "suivant le même ordre que le tour de garde principal.");
    const QString days = remainder == 3 ? QStringLiteral("deux") : QStringLiteral("trois");
    return each + QStringLiteral("Les %1 jours restants font également l'objet d'un tour de "
                                 "garde suivant le même ordre que le tour de garde principal.")
                      .arg(days);
}

std::optional<Step5Texts> FloatingStep5(const WeekdayAnswers& answers, int year)
{
    const int count = static_cast<int>(answers.participants.size());
    const int weeks = count / 5;
    const int length = static_cast<int>(answers.periodTable.size());
    Step5Texts step5;
    // The name goes in last: a "%" it may hold is never taken for a place holder.
    step5.label =
        QStringLiteral(
            "Le participant 'volant' (%1) va prendre une garde toutes les %2 semaine(s), à la "
            "place d'un autre participant, et sera de repos %2 semaine(s) toutes les %3 "
            "semaine(s) afin de respecter l'égalité du nombre de gardes.\n"
            "Dans la liste ci-dessous, qui représente les %4 premiers jours de semaine de "
            "l'année, indiquez quel sera son premier jour de garde de semaine. Celui-ci peut être "
            "déterminé grâce au tour de garde de l'année précédente, ou être désigné "
            "arbitrairement.\n"
            "Ne vous souciez pas du fait que ce jour soit férié ou pas. Par exemple, si son tour "
            "tombe le 1er janvier, indiquez le 1er janvier.\n"
            "Si le 'volant' n'a pas à prendre de garde sur cette période choisissez 'Aucun jour "
            "de cette période'.")
            .arg(answers.floatingParticipant, QString::number(weeks), QString::number(count),
                 QString::number(5 * weeks));
    QDate day = FirstMondayToFridayDate(year);
    int position = PositionAtNewYear(answers, year);
    for (int k = 0; k < length; ++k) {
        step5.entries.append(DateText(day, QStringLiteral("dddd dd/MM")) +
                             QStringLiteral(" à la place de ") +
                             answers.periodTable.at(position - 1));
        day = NextMondayToFriday(day);
        position = position % length + 1;
    }
    step5.entries.append(QStringLiteral("<Aucun jour de cette période>"));
    return step5;
}

std::optional<Step5Texts> SecondaryStep5(const WeekdayAnswers& answers, int year)
{
    const QStringList& table = answers.periodTable;
    if (!table.contains(VariableDayMarker))
        return std::nullopt;
    QDate day = FirstWeekdayDate(year);
    int position = StartPosition(answers, year);
    while (table.at(position - 1) != VariableDayMarker) {
        day = NextMondayToFriday(day);
        position = position % static_cast<int>(table.size()) + 1;
    }
    Step5Texts step5;
    step5.label =
        QStringLiteral("Le %1 est le premier jour de garde de semaine de l'année affecté à un "
                       "participant 'Variable'.\n\n"
                       "Indiquez quel participant inaugure le tour des variables en étant de "
                       "garde ce jour là.\n"
                       "Ceci peut être déterminé grâce au tour de garde de l'année précédente, ou "
                       "être décidé arbitrairement.")
            .arg(LongDate(day));
    for (const QString& entry : table) {
        if (entry != VariableDayMarker)
            step5.entries.append(entry);
    }
    return step5;
}

} // namespace

Step3Texts WeekdayStep3Texts(int participantCount)
{
    const int weeks = participantCount / 5;
    const int remainder = participantCount % 5;
    Step3Texts texts;
    if (remainder == 0) {
        texts.label =
            ParticipantsLine(participantCount) +
            QStringLiteral("\nL'organisation du tour de garde peut donc être établie par période "
                           "de %1 semaine(s).\n"
                           "Sur cette période, chaque jour sera attribué à un participant.\n"
                           "Aucune option supplémentaire n'est nécessaire.\n"
                           "Le panneau suivant permet d'affecter chacun des %2 jours de semaine à "
                           "un participant.")
                .arg(weeks)
                .arg(participantCount);
        return texts;
    }
    texts.optionsShown = true;
    if (remainder == 1) {
        texts.label =
            ParticipantsLine(participantCount) + QStringLiteral("\n\nDeux options sont proposées:");
        texts.option1 =
            QStringLiteral("L'organisation du tour de garde est établie par période de %1 "
                           "semaine(s), c'est à dire %2 jours de garde.\n"
                           "Chaque jour de la période est attribué à un participant.\n"
                           "Restent quatre jours qui peuvent, en partie ou en totalité, soit être "
                           "affectés à un ou plusieurs participants qui acceptent donc d'être "
                           "désignés plus d'une fois, soit être laissés à blanc pour être "
                           "attribués manuellement par la suite.")
                .arg(weeks + 1)
                .arg(5 * (weeks + 1));
        texts.option2 =
            QStringLiteral("L'organisation est établie par période de %1 semaine(s), c'est à dire "
                           "%2 jours de garde.\n"
                           "Chaque jour de la période est attribué à un participant. Un des "
                           "participants n'a pas de jour fixe mais effectue une garde par période "
                           "à la place d'un autre,  avec un arrêt d'une période lorsqu'il les a "
                           "tous remplacés.")
                .arg(weeks)
                .arg(5 * weeks);
        return texts;
    }
    texts.label = ParticipantsLine(participantCount) +
                  QStringLiteral("\nL'organisation du tour de garde sera établie par période de "
                                 "%1 semaine(s), soit %2 jours de garde.\n\n"
                                 "Deux options sont proposées:")
                      .arg(weeks + 1)
                      .arg(5 * (weeks + 1));
    texts.option1 = QStringLiteral("Chaque jour de la période est attribué à un participant.\n") +
                    LeftoverDaysText(remainder);
    texts.option2 = SecondaryRotationText(remainder);
    return texts;
}

QString NoFixedDayDescription()
{
    return QStringLiteral("Indépendamment du nombre de participants, il est proposé un tour de "
                          "garde sans jour fixe. La garde de semaine est établie en suivant "
                          "strictement l'ordre de la liste des participants.");
}

std::optional<QString> FixedDayInstruction(int participantCount, WeekdayOption option)
{
    if (IsFloatingMode(participantCount, option))
        return QStringLiteral("Ordonnez la liste et indiquez qui sera le participant 'volant'.");
    if (participantCount % 5 == 0)
        return QStringLiteral("Ordonnez la liste des participants.");
    if (option == WeekdayOption::Option1)
        return QStringLiteral("Ordonnez la liste. Les jours marqués '<Vide>' seront laissés à "
                              "blanc par le générateur de tours de garde, vous permettant ainsi "
                              "de les attribuer ensuite manuellement.");
    if (option == WeekdayOption::Option2)
        return QStringLiteral("Ordonnez la liste. Les jours marqués '<Variable>' seront attribués "
                              "par le générateur de tours de garde en utilisant le même ordre que "
                              "la liste principale.");
    return std::nullopt;
}

QString FirstWeekText(int year)
{
    const QDate first = FirstWeekdayDate(year);
    return QStringLiteral("Le premier jour de garde de semaine de l'année est le %1. D'après votre "
                          "liste ci-dessus, indiquez de quel %2 il s'agit:")
        .arg(LongDate(first), DateText(first, QStringLiteral("dddd")));
}

QString FirstParticipantText(int year)
{
    return QStringLiteral("Indiquez qui est de garde le %1 (1ère garde de semaine de l'année).")
        .arg(LongDate(FirstWeekdayDate(year)));
}

std::optional<Step5Texts> WeekdayStep5(const WeekdayAnswers& answers, int year)
{
    if (IsFloatingMode(static_cast<int>(answers.participants.size()), answers.option))
        return FloatingStep5(answers, year);
    return SecondaryStep5(answers, year);
}
