#include "roster_window/RenamingDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

RenamingDialog::RenamingDialog(const QStringList& participants, QWidget* parent)
    : QDialog(parent)
    , participant_(new QComboBox(this))
    , newName_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Renommer un participant"));
    SetHelpSection(*this, QStringLiteral("renommer"));
    participant_->addItems(participants);
    newName_->setMaxLength(50);
    auto* fields = new QFormLayout(this);
    AddLabelledRow(*fields, QStringLiteral("&Participant :"), participant_);
    AddLabelledRow(*fields, QStringLiteral("&Nouveau nom :"), newName_);
    fields->addRow(AcceptOrCancel(*this, QStringLiteral("&Renommer")));
}

QString RenamingDialog::participant() const
{
    return participant_->currentText();
}

QString RenamingDialog::newName() const
{
    return newName_->text();
}
