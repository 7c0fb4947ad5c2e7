#include "DialogInteraction.h"

#include "AddParticipantDialog.h"
#include "AppInfo.h"
#include "ChangeNameDialog.h"
#include "DayPropertiesDialog.h"
#include "Help.h"
#include "MessageBox.h"
#include "ParticipantsDialog.h"
#include "RecoveryDialog.h"
#include "SectorDialog.h"
#include "SharingDialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

const QString RosterFilter = QStringLiteral("Données (*.dat)");
const QString RosterSuffix = QStringLiteral("dat");

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

void DialogInteraction::tell(const QString& message, MessageIcon icon)
{
    QMessageBox box(StandardIcon(icon), AppInfo::Title(), message, QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int DialogInteraction::ask(const Question& question)
{
    MessageBox box(owner_);
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
    return QInputDialog::getText(owner_, AppInfo::Title(), prompt);
}

int DialogInteraction::chooseParticipant(const QStringList& participants, int preselected)
{
    ParticipantsDialog dialog(participants, preselected, owner_);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
}

QString DialogInteraction::askNewParticipant()
{
    AddParticipantDialog dialog(owner_);
    dialog.exec();
    return dialog.name();
}

int DialogInteraction::chooseReplacement(const QStringList& entries, int preselected)
{
    ChangeNameDialog dialog(entries, preselected, owner_);
    dialog.exec();
    return dialog.chosenIndex();
}

std::optional<QList<SharedInterval>> DialogInteraction::editShare(const ShareRequest& request)
{
    SharingDialog dialog(*this, request, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intervals();
}

std::optional<DayProperties> DialogInteraction::editDayProperties(QDate day,
                                                                  const DayProperties& current)
{
    DayPropertiesDialog dialog(day, current, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.properties();
}

std::optional<SectorName> DialogInteraction::nameSector(const QString& current)
{
    SectorDialog dialog(current, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.sector();
}

QString DialogInteraction::chooseFileToOpen(const FileChoice& choice)
{
    QFileDialog dialog(owner_, QStringLiteral("Ouvrir un tour de garde"), choice.proposedPath,
                       RosterFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(RosterSuffix);
    return ChosenFile(dialog);
}

QString DialogInteraction::chooseFileToSave(const FileChoice& choice)
{
    QFileDialog dialog(owner_, QStringLiteral("Enregistrer sous"), choice.proposedPath,
                       RosterFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(RosterSuffix);
    return ChosenFile(dialog);
}

std::optional<QList<bool>> DialogInteraction::chooseRecoveries(const QList<WorkRecord>& rosters)
{
    RecoveryDialog dialog(rosters, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reopened();
}
