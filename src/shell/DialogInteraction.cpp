#include "shell/DialogInteraction.h"

#include "reports/dialogs/AdministrativeDataDialog.h"
#include "reports/dialogs/DutyListDialog.h"
#include "reports/dialogs/OnCallDialog.h"
#include "reports/dialogs/PrintSetupDialog.h"
#include "reports/dialogs/RosterPrintDialog.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "roster_window/AbsencesDialog.h"
#include "roster_window/DayPropertiesDialog.h"
#include "roster_window/ParticipantsDialog.h"
#include "roster_window/RemovalDialog.h"
#include "roster_window/RenamingDialog.h"
#include "roster_window/ReplacementDialog.h"
#include "roster_window/RulesDialog.h"
#include "roster_window/SectorDialog.h"
#include "roster_window/SharingDialog.h"
#include "roster_window/SwapProposalsDialog.h"
#include "shell/AddParticipantDialog.h"
#include "shell/ChangeNameDialog.h"
#include "shell/Help.h"
#include "shell/MessageBox.h"
#include "shell/PreviewWindow.h"
#include "shell/RecoveryDialog.h"
#include "shell/WaitingDialog.h"
#include "store/AppInfo.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinterInfo>

namespace {

QMessageBox::Icon StandardIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The dialog's answer, or empty text when it was cancelled.
QString ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

DialogInteraction::DialogInteraction(QWidget* owner)
    : owner_(owner)
{
}

QWidget* DialogInteraction::owner() const
{
    // A dialog opened from a modal window (a report, the wizard) stays above that window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return owner_;
}

void DialogInteraction::tell(const QString& message, MessageIcon icon)
{
    QMessageBox box(StandardIcon(icon), AppInfo::Title(), message, QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int DialogInteraction::ask(const Question& question)
{
    MessageBox box(owner());
    box.setMessage(question.message);
    box.setPictureType(static_cast<int>(question.icon));
    box.setFormType(static_cast<int>(question.buttons));
    box.setFocusedButton(question.focusedButton);
    if (!question.title.isEmpty())
        box.setTitle(question.title);
    QObject::connect(&box, &MessageBox::helpRequested, [] { OpenHelp(); });
    box.exec();
    return box.answer().toInt();
}

QString DialogInteraction::promptText(const QString& prompt)
{
    return QInputDialog::getText(owner(), AppInfo::Title(), prompt);
}

int DialogInteraction::chooseParticipant(const QStringList& participants, int preselected)
{
    ParticipantsDialog dialog(participants, preselected, owner());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
}

QString DialogInteraction::askNewParticipant()
{
    AddParticipantDialog dialog(owner());
    dialog.exec();
    return dialog.name();
}

std::optional<NewParticipant> DialogInteraction::askParticipantToAdd(const ParticipantsAtDay& start)
{
    AddParticipantDialog dialog(start.year, start.day, owner());
    dialog.exec();
    if (dialog.name().isEmpty())
        return std::nullopt;
    return NewParticipant{dialog.name(), dialog.arrival()};
}

int DialogInteraction::chooseReplacement(const QStringList& entries, int preselected)
{
    ChangeNameDialog dialog(entries, preselected, owner());
    dialog.exec();
    return dialog.chosenIndex();
}

std::optional<QList<SharedInterval>> DialogInteraction::editShare(const ShareRequest& request)
{
    SharingDialog dialog(*this, request, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intervals();
}

std::optional<DayProperties> DialogInteraction::editDayProperties(QDate day,
                                                                  const DayProperties& current)
{
    DayPropertiesDialog dialog(day, current, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.properties();
}

std::optional<SectorName> DialogInteraction::nameSector(const QString& current)
{
    SectorDialog dialog(current, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.sector();
}

std::optional<RosterRules> DialogInteraction::editRules(const RosterRules& current)
{
    RulesDialog dialog(current, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.rules();
}

void DialogInteraction::showAbsences(const AbsencesWindow& window)
{
    AbsencesDialog dialog(window, owner());
    dialog.exec();
}

std::optional<Renaming> DialogInteraction::askRenaming(const QStringList& participants)
{
    RenamingDialog dialog(participants, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Renaming{dialog.participant(), dialog.newName()};
}

std::optional<Removal> DialogInteraction::askRemoval(const ParticipantsAtDay& start)
{
    RemovalDialog dialog(start, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.removal();
}

std::optional<Replacement> DialogInteraction::askReplacement(const ParticipantsAtDay& start)
{
    ReplacementDialog dialog(start, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.replacement();
}

int DialogInteraction::chooseSwapProposal(const QString& alert, const QStringList& proposals)
{
    SwapProposalsDialog dialog(alert, proposals, owner());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
}

QString DialogInteraction::chooseFileToOpen(const FileChoice& choice)
{
    QFileDialog dialog(owner(), QStringLiteral("Ouvrir un tour de garde"), choice.proposedPath,
                       choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    return ChosenFile(dialog);
}

QString DialogInteraction::chooseFileToSave(const FileChoice& choice)
{
    QFileDialog dialog(owner(), QStringLiteral("Enregistrer sous"), choice.proposedPath,
                       choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    return ChosenFile(dialog);
}

std::optional<QList<bool>> DialogInteraction::chooseRecoveries(const QList<WorkRecord>& rosters)
{
    RecoveryDialog dialog(rosters, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reopened();
}

std::optional<PrintChoice> DialogInteraction::choosePrinter(const PrintPreset& preset)
{
    PrintSetupDialog dialog(owner());
    if (preset.landscape)
        dialog.setOrientation(*preset.landscape);
    if (preset.paperMm)
        dialog.setPaperSize(*preset.paperMm);
    if (!dialog.showPrinter())
        return std::nullopt;
    return dialog.choice();
}

void DialogInteraction::showPreview(const QList<PreviewPage>& pages,
                                    const std::function<void()>& print)
{
    PreviewWindow preview(pages, print, owner());
    preview.exec();
}

void DialogInteraction::showStatistics(const StatisticsReport& report)
{
    StatisticsDialog dialog(report, owner());
    dialog.exec();
}

void DialogInteraction::showDutyList(const DutyListReport& report)
{
    DutyListDialog dialog(report, owner());
    dialog.exec();
}

std::unique_ptr<WaitingWindow> DialogInteraction::showWaiting(const QString& text, int maximum)
{
    // Over the main window, whatever asked for it.
    return std::make_unique<WaitingDialog>(text, maximum, owner_);
}

QString DialogInteraction::chooseFolder(const QString& proposed)
{
    return QFileDialog::getExistingDirectory(owner(), QStringLiteral("Choisir un dossier"),
                                             proposed);
}

std::optional<RosterPrintRequest>
DialogInteraction::chooseRosterPages(const RosterPrintOffer& offer)
{
    RosterPrintDialog dialog(*this, offer, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<OnCallRequest> DialogInteraction::chooseOnCallMonth(const OnCallOffer& offer)
{
    OnCallDialog dialog(*this, offer, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

void DialogInteraction::showAdministrativeData(const AdministrativeDataWindow& window)
{
    AdministrativeDataDialog dialog(window, owner());
    dialog.exec();
}
