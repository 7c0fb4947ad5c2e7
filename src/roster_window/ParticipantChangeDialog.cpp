#include "roster_window/ParticipantChangeDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ParticipantChangeDialog::ParticipantChangeDialog(Change change, const QStringList& participants,
                                                 QWidget* parent)
    : QDialog(parent)
    , participant_(new QComboBox(this))
{
    const bool renaming = change == Change::Rename;
    setWindowTitle(renaming ? QStringLiteral("Renommer un participant")
                            : QStringLiteral("Retirer un participant"));
    participant_->addItems(participants);
    auto* fields = new QFormLayout(this);
    auto* participantLabel = new QLabel(QStringLiteral("&Participant :"), this);
    participantLabel->setBuddy(participant_);
    fields->addRow(participantLabel, participant_);
    if (renaming) {
        newName_ = new QLineEdit(this);
        newName_->setMaxLength(50);
        auto* nameLabel = new QLabel(QStringLiteral("&Nouveau nom :"), this);
        nameLabel->setBuddy(newName_);
        fields->addRow(nameLabel, newName_);
    } else {
        fields->addRow(new QLabel(QStringLiteral("Ses données administratives et ses absences "
                                                 "sont retirées avec lui."),
                                  this));
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons
        ->addButton(renaming ? QStringLiteral("&Renommer") : QStringLiteral("&Retirer"),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fields->addRow(buttons);
}

QString ParticipantChangeDialog::participant() const
{
    return participant_->currentText();
}

QString ParticipantChangeDialog::newName() const
{
    return newName_ ? newName_->text() : QString();
}
