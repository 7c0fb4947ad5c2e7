#include "shell/AddParticipantDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AddParticipantDialog::AddParticipantDialog(QWidget* parent)
    : QDialog(parent)
    , name_(new QLineEdit(this))
    , add_(new QPushButton(QStringLiteral("Ajouter"), this))
{
    setWindowTitle(QStringLiteral("Ajouter un participant"));
    add_->setDefault(true);
    add_->setEnabled(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(add_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    // "Ajouter" with an empty name gives up, as "Annuler" does.
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { name_->text().isEmpty() ? reject() : accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(name_, &QLineEdit::textChanged, this, [this] { add_->setEnabled(true); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Entrez le nom du nouveau participant:"), this));
    layout->addWidget(name_);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString AddParticipantDialog::name() const
{
    return result() == QDialog::Accepted ? name_->text() : QString();
}
