// The commands of a roster session on one day, or between two days.

#include "document/EditTexts.h"
#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"

#include <QLocale>

namespace {

// The question a drop of one day onto another asks, by what the target holds and what the
// source gives it.
QString CopyQuestion(const RosterDay& source, const RosterDay& target)
{
    const QString date =
        QLocale(QLocale::French).toString(target.date, QStringLiteral("dddd d MMMM"));
    if (target.doctor == SharedDutyMarker)
        return QStringLiteral("La garde du %1 est partagée.\r\nConfirmez votre intention de "
                              "remplacer les données (celles-ci seront perdues).")
            .arg(date);
    if (source.doctor.isEmpty())
        return QStringLiteral("Confirmez votre intention de mettre la garde du %1 à blanc.")
            .arg(date);
    if (source.doctor == SharedDutyMarker)
        return QStringLiteral("Confimez votre intention de copier les données actuelles de "
                              "partage pour la garde du %1.")
            .arg(date);
    return QStringLiteral("Confirmez votre intention de mettre %1 de garde le %2.")
        .arg(source.doctor, date);
}

} // namespace

void RosterSession::assignCurrentDay(const QString& doctor)
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return;
    if (row->doctor == SharedDutyMarker) {
        const QString question =
            doctor.isEmpty()
                ? QStringLiteral("Cette garde est partagée.\r\nEtes-vous sûr de vouloir mettre "
                                 "cette garde à blanc ?")
                : QStringLiteral("Cette garde est partagée.\r\nEtes-vous sûr de vouloir mettre "
                                 "de garde %1 ?")
                      .arg(doctor);
        if (!confirm(question))
            return;
    }
    document_->assignDay(row->date, doctor);
}

void RosterSession::shareCurrentDay()
{
    const RosterDay* row = currentRosterDay();
    if (!row || !document_->requireParticipants())
        return;
    const QDate day = row->date;
    const QString doctor = row->doctor;
    ShareRequest request{day, {}, document_->roster().participants(), {}};
    if (!document_->read([&] { request.intervals = document_->roster().duty(day).intervals; }))
        return;
    if (doctor.isEmpty())
        request.info = QStringLiteral("Cette garde n'est pas encore affectée.");
    else if (doctor == SharedDutyMarker)
        request.info = QStringLiteral("Cette garde est, pour le moment, partagée par:");
    else
        request.info = QStringLiteral("Cette garde est, pour le moment, affectée à %1").arg(doctor);
    if (const std::optional<QList<SharedInterval>> intervals = ui_.editShare(request))
        document_->shareDay(day, *intervals);
}

void RosterSession::editCurrentDayProperties()
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return;
    const QDate day = row->date;
    if (const std::optional<DayProperties> properties =
            ui_.editDayProperties(day, {row->type, row->unavailable}))
        document_->setDayProperties(day, properties->type, properties->unavailable);
}

void RosterSession::keepCurrentDay(bool kept)
{
    if (currentDay_)
        document_->setDayKept(*currentDay_, kept);
}

bool RosterSession::isCurrentDayKept() const
{
    return currentDay_ && document_->isOpen() &&
           document_->roster().keptDays().contains(*currentDay_);
}

void RosterSession::copyDay(QDate source, QDate target)
{
    const RosterDay* sourceRow = document_->roster().day(source);
    const RosterDay* targetRow = document_->roster().day(target);
    if (!sourceRow || !targetRow || target == source)
        return;
    // Nothing to ask about when the day already holds that participant, or nobody.
    if (targetRow->doctor != SharedDutyMarker && targetRow->doctor == sourceRow->doctor)
        return;
    if (confirm(CopyQuestion(*sourceRow, *targetRow),
                QStringLiteral("Confirmation d'une opération de glisser-déposer")))
        document_->copyDay(source, target);
}

bool RosterSession::swapDuties(const QList<QDate>& days, const QList<QDate>& others)
{
    bool sameTypes = days.size() == others.size();
    for (qsizetype i = 0; sameTypes && i < days.size(); ++i) {
        const RosterDay* row = document_->roster().day(days.at(i));
        const RosterDay* other = document_->roster().day(others.at(i));
        sameTypes = !row || !other || row->type == other->type;
    }
    if (!sameTypes && !confirm(QStringLiteral("Ces deux jours ne sont pas du même type.\r\n"
                                              "Échanger tout de même les gardes %1 et %2 ?")
                                   .arg(DaysText(days), DaysText(others))))
        return false;
    return document_->swapDuties(days, others);
}

void RosterSession::proposeSwapsForCurrentDay()
{
    if (!currentDay_)
        return;
    const QList<RuleAlert> alerts = alerts_.of(*currentDay_);
    if (alerts.isEmpty())
        ui_.tell(QStringLiteral("Ce jour ne porte aucune alerte."), MessageIcon::Information);
    else
        proposeSwaps(alerts.first());
}

void RosterSession::proposeSwaps(const RuleAlert& alert)
{
    const QList<SwapProposal> proposals = alerts_.proposeSwaps(alert);
    if (proposals.isEmpty()) {
        ui_.tell(QStringLiteral("Aucun échange ne lève cette alerte sans en créer une autre."),
                 MessageIcon::Information);
        return;
    }
    QStringList texts;
    for (const SwapProposal& proposal : proposals)
        texts.append(dutyDescription(proposal.others));
    const int chosen = ui_.chooseSwapProposal(alert.text, texts);
    if (chosen >= 0 && chosen < proposals.size())
        swapDuties(proposals.at(chosen).days, proposals.at(chosen).others);
}

void RosterSession::clearUnavailableDays()
{
    const int answer = ui_.ask(
        {QStringLiteral("Cette fonction videra la liste de mes jours indisponibles.\r\n"
                        "Ceci est nécessaire si, par exemple, ce fichier a été transmis par un "
                        "confrère (ses indisponibilités ne sont pas les miennes).\r\n"
                        "Vider la liste des jours indisponibles ?"),
         ButtonSet::YesNo, MessageIcon::Information});
    if (answer == AnswerYes)
        document_->clearUnavailableDays();
}
