#pragma once

#include "document/Interaction.h"
#include "reports/PictureCanvas.h"

#include <QBuffer>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>

// Answers the program's questions from a script and records every text it shows. What the
// script does not answer is cancelled.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        // A please-wait window was still open.
        bool whileWaiting = false;
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
    QList<std::optional<RosterRules>> rules;
    QList<std::optional<Renaming>> renamings;
    QList<std::optional<NewParticipant>> participantsToAdd;
    QList<std::optional<Removal>> removals;
    QList<std::optional<Replacement>> replacementsOfParticipants;
    QList<int> swapChoices;
    QList<int> replacements;
    // Answers to the offer of abandoned rosters; put off to the next start when none is left.
    QList<std::optional<QList<bool>>> recoveries;
    QList<std::optional<PrintChoice>> printChoices;
    QStringList folders;
    QList<std::optional<RosterPrintRequest>> rosterPages;
    QList<std::optional<OnCallRequest>> onCallMonths;

    // What was shown: every message, question and prompt text, in order.
    QList<Shown> shown;
    QList<Question> questions;
    QList<QStringList> participantLists;
    QList<ParticipantsAtDay> participantStarts;
    QList<int> preselections;
    QList<FileChoice> saveChoices;
    QList<QStringList> replacementLists;
    QList<ShareRequest> shareRequests;
    QList<QList<WorkRecord>> recoveryOffers;
    QList<PrintPreset> printPresets;
    QList<RosterPrintOffer> rosterPrintOffers;
    QList<OnCallOffer> onCallOffers;
    QList<AdministrativeDataWindow> administrativeData;
    QList<AbsencesWindow> absencesWindows;
    QList<QStringList> swapProposals;
    // Every preview, as a PDF document.
    QList<QByteArray> previews;
    // The report windows shown, with their commands.
    QList<StatisticsReport> statistics;
    QList<DutyListReport> dutyLists;
    // Every please-wait window: its text and maximum, the progress it was given, and whether
    // it is still open.
    struct Waiting {
        QString text;
        int maximum;
        QList<int> progress;
        bool open = true;
    };
    QList<Waiting> waitings;

    // The next scripted answer, or what cancels.
    template <typename Answer> static Answer Next(QList<Answer>& answers)
    {
        if (answers.isEmpty())
            return Answer();
        return answers.takeFirst();
    }
    static int Next(QList<int>& answers, int cancel)
    {
        return answers.isEmpty() ? cancel : answers.takeFirst();
    }

    void tell(const QString& message, MessageIcon icon) override
    {
        shown.append({message, icon, isWaiting()});
    }

    int ask(const Question& question) override
    {
        shown.append({question.message, question.icon, isWaiting()});
        questions.append(question);
        return answers.isEmpty() ? CancelPosition(question.buttons) : answers.takeFirst();
    }

    QString promptText(const QString& prompt) override
    {
        shown.append({prompt, MessageIcon::None});
        return Next(promptAnswers);
    }

    int chooseParticipant(const QStringList& participants, int preselected) override
    {
        participantLists.append(participants);
        preselections.append(preselected);
        return Next(participantChoices, -1);
    }

    QString askNewParticipant() override { return Next(newParticipants); }

    int chooseReplacement(const QStringList& entries, int preselected) override
    {
        replacementLists.append(entries);
        preselections.append(preselected);
        return Next(replacements, -1);
    }

    std::optional<QList<SharedInterval>> editShare(const ShareRequest& request) override
    {
        shareRequests.append(request);
        return Next(shares);
    }

    std::optional<DayProperties> editDayProperties(QDate, const DayProperties&) override
    {
        return Next(dayProperties);
    }

    std::optional<SectorName> nameSector(const QString&) override { return Next(sectorNames); }

    std::optional<RosterRules> editRules(const RosterRules&) override { return Next(rules); }

    void showAbsences(const AbsencesWindow& window) override { absencesWindows.append(window); }

    std::optional<Renaming> askRenaming(const QStringList&) override { return Next(renamings); }

    int chooseSwapProposal(const QString&, const QStringList& proposals) override
    {
        swapProposals.append(proposals);
        return Next(swapChoices, -1);
    }

    std::optional<NewParticipant> askParticipantToAdd(const ParticipantsAtDay& start) override
    {
        participantStarts.append(start);
        return Next(participantsToAdd);
    }

    std::optional<Removal> askRemoval(const ParticipantsAtDay& start) override
    {
        participantStarts.append(start);
        return Next(removals);
    }

    std::optional<Replacement> askReplacement(const ParticipantsAtDay& start) override
    {
        participantStarts.append(start);
        return Next(replacementsOfParticipants);
    }

    QString chooseFileToOpen(const FileChoice&) override { return Next(filesToOpen); }

    QString chooseFileToSave(const FileChoice& choice) override
    {
        saveChoices.append(choice);
        return Next(filesToSave);
    }

    std::optional<QList<bool>> chooseRecoveries(const QList<WorkRecord>& rosters) override
    {
        recoveryOffers.append(rosters);
        return Next(recoveries);
    }

    std::optional<PrintChoice> choosePrinter(const PrintPreset& preset) override
    {
        printPresets.append(preset);
        return Next(printChoices);
    }

    void showPreview(const QList<PreviewPage>& pages, const std::function<void()>&) override
    {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        // At the screen's resolution the pictures keep their fonts' sizes; a twip is 1/1440 inch.
        writer.setResolution(96);
        QPainter painter;
        for (const PreviewPage& page : pages) {
            writer.setPageLayout(QPageLayout(QPageSize(page.paperTwips / 20, QPageSize::Point),
                                             QPageLayout::Portrait, {}));
            if (!painter.isActive()) {
                painter.begin(&writer);
                painter.scale(96.0 / 1440, 96.0 / 1440);
            } else {
                writer.newPage();
            }
            painter.drawPicture(page.printableTopLeft, page.picture);
        }
        painter.end();
        previews.append(pdf.data());
    }

    std::optional<RosterPrintRequest> chooseRosterPages(const RosterPrintOffer& offer) override
    {
        rosterPrintOffers.append(offer);
        return Next(rosterPages);
    }

    std::optional<OnCallRequest> chooseOnCallMonth(const OnCallOffer& offer) override
    {
        onCallOffers.append(offer);
        return Next(onCallMonths);
    }

    void showAdministrativeData(const AdministrativeDataWindow& window) override
    {
        administrativeData.append(window);
    }

    void showStatistics(const StatisticsReport& report) override { statistics.append(report); }

    void showDutyList(const DutyListReport& report) override { dutyLists.append(report); }

    std::unique_ptr<WaitingWindow> showWaiting(const QString& text, int maximum) override
    {
        waitings.append({text, maximum, {}});
        return std::make_unique<ScriptedWaiting>(waitings, waitings.size() - 1);
    }

    QString chooseFolder(const QString&) override { return Next(folders); }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown& item : shown)
            result.append(item.text);
        return result;
    }

private:
    bool isWaiting() const
    {
        return std::any_of(waitings.begin(), waitings.end(),
                           [](const Waiting& waiting) { return waiting.open; });
    }

    class ScriptedWaiting : public WaitingWindow {
    public:
        ScriptedWaiting(QList<Waiting>& waitings, qsizetype index)
            : waitings_(waitings)
            , index_(index)
        {
        }
        ~ScriptedWaiting() override { waitings_[index_].open = false; }
        void setProgress(int value) override { waitings_[index_].progress.append(value); }

    private:
        QList<Waiting>& waitings_;
        qsizetype index_;
    };

    // The last button's position: the answer of a box closed without choosing.
    static int CancelPosition(ButtonSet buttons)
    {
        if (buttons == ButtonSet::Ok)
            return 1;
        const bool three =
            buttons == ButtonSet::YesNoCancel || buttons == ButtonSet::AbortRetryIgnore;
        return three ? 3 : 2;
    }
};
