#pragma once

#include "Interaction.h"

#include <QList>
#include <QStringList>

// Answers the program's questions from a script and records every text it shows. What the
// script does not answer is cancelled.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
    };

    // Scripted answers, each list taken in order.
    QList<int> answers;
    QStringList promptAnswers;
    QList<int> participantChoices;
    QStringList filesToOpen;
    QStringList filesToSave;
    QStringList newParticipants;
    QList<std::optional<QList<SharedInterval>>> shares;
    QList<std::optional<DayProperties>> dayProperties;
    QList<std::optional<SectorName>> sectorNames;
    QList<int> replacements;
    // Answers to the offer of abandoned rosters; put off to the next start when none is left.
    QList<std::optional<QList<bool>>> recoveries;

    // What was shown: every message, question and prompt text, in order.
    QList<Shown> shown;
    QList<Question> questions;
    QList<QStringList> participantLists;
    QList<int> preselections;
    QList<FileChoice> saveChoices;
    QList<QStringList> replacementLists;
    QList<ShareRequest> shareRequests;
    QList<QList<WorkRecord>> recoveryOffers;

    void tell(const QString& message, MessageIcon icon) override { shown.append({message, icon}); }

    int ask(const Question& question) override
    {
        shown.append({question.message, question.icon});
        questions.append(question);
        return answers.isEmpty() ? CancelPosition(question.buttons) : answers.takeFirst();
    }

    QString promptText(const QString& prompt) override
    {
        shown.append({prompt, MessageIcon::None});
        return promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
    }

    int chooseParticipant(const QStringList& participants, int preselected) override
    {
        participantLists.append(participants);
        preselections.append(preselected);
        return participantChoices.isEmpty() ? -1 : participantChoices.takeFirst();
    }

    QString askNewParticipant() override
    {
        return newParticipants.isEmpty() ? QString() : newParticipants.takeFirst();
    }

    int chooseReplacement(const QStringList& entries, int preselected) override
    {
        replacementLists.append(entries);
        preselections.append(preselected);
        return replacements.isEmpty() ? -1 : replacements.takeFirst();
    }

    std::optional<QList<SharedInterval>> editShare(const ShareRequest& request) override
    {
        shareRequests.append(request);
        return shares.isEmpty() ? std::nullopt : shares.takeFirst();
    }

    std::optional<DayProperties> editDayProperties(QDate, const DayProperties&) override
    {
        return dayProperties.isEmpty() ? std::nullopt : dayProperties.takeFirst();
    }

    std::optional<SectorName> nameSector(const QString&) override
    {
        return sectorNames.isEmpty() ? std::nullopt : sectorNames.takeFirst();
    }

    QString chooseFileToOpen(const FileChoice&) override
    {
        return filesToOpen.isEmpty() ? QString() : filesToOpen.takeFirst();
    }

    QString chooseFileToSave(const FileChoice& choice) override
    {
        saveChoices.append(choice);
        return filesToSave.isEmpty() ? QString() : filesToSave.takeFirst();
    }

    std::optional<QList<bool>> chooseRecoveries(const QList<WorkRecord>& rosters) override
    {
        recoveryOffers.append(rosters);
        return recoveries.isEmpty() ? std::nullopt : recoveries.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown& item : shown)
            result.append(item.text);
        return result;
    }

private:
    static int CancelPosition(ButtonSet buttons)
    {
        switch (buttons) {
        case ButtonSet::Ok:
        case ButtonSet::OkCancel:
        case ButtonSet::YesNo:
        case ButtonSet::RetryCancel:
            return static_cast<int>(buttons) == 1 ? 1 : 2;
        case ButtonSet::YesNoCancel:
        case ButtonSet::AbortRetryIgnore:
            return 3;
        }
        return 0;
    }
};
