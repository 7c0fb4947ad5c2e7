#pragma once

#include "document/Interaction.h"

class QWidget;

// The program's real dialogs, owned by the main window.
class DialogInteraction : public Interaction {
public:
    explicit DialogInteraction(QWidget* owner);

    void tell(const QString& message, MessageIcon icon) override;
    int ask(const Question& question) override;
    QString promptText(const QString& prompt) override;
    int chooseParticipant(const QStringList& participants, int preselected) override;
    QString askNewParticipant() override;
    std::optional<NewParticipant> askParticipantToAdd(const ParticipantsAtDay& start) override;
    int chooseReplacement(const QStringList& entries, int preselected) override;
    std::optional<QList<SharedInterval>> editShare(const ShareRequest& request) override;
    std::optional<DayProperties> editDayProperties(QDate day,
                                                   const DayProperties& current) override;
    std::optional<SectorName> nameSector(const QString& current) override;
    std::optional<RosterRules> editRules(const RosterRules& current) override;
    void showAbsences(const AbsencesWindow& window) override;
    std::optional<Renaming> askRenaming(const QStringList& participants) override;
    std::optional<Removal> askRemoval(const ParticipantsAtDay& start) override;
    std::optional<Replacement> askReplacement(const ParticipantsAtDay& start) override;
    int chooseSwapProposal(const QString& alert, const QStringList& proposals) override;
    QString chooseFileToOpen(const FileChoice& choice) override;
    QString chooseFileToSave(const FileChoice& choice) override;
    std::optional<QList<bool>> chooseRecoveries(const QList<WorkRecord>& rosters) override;
    std::optional<PrintChoice> choosePrinter(const PrintPreset& preset) override;
    void showPreview(const QList<PreviewPage>& pages, const std::function<void()>& print) override;
    std::optional<RosterPrintRequest> chooseRosterPages(const RosterPrintOffer& offer) override;
    std::optional<OnCallRequest> chooseOnCallMonth(const OnCallOffer& offer) override;
    void showAdministrativeData(const AdministrativeDataWindow& window) override;
    void showStatistics(const StatisticsReport& report) override;
    void showDutyList(const DutyListReport& report) override;
    std::unique_ptr<WaitingWindow> showWaiting(const QString& text, int maximum) override;
    QString chooseFolder(const QString& proposed) override;

private:
    QWidget* owner() const;

    QWidget* owner_;
};
