#include "shell/AddParticipantDialog.h"

#include "controls/DialogButtons.h"
#include "roster_window/YearDateField.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
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
    QDialogButtonBox* buttons = AcceptOrCancel(*this, add_, QStringLiteral("Annuler"));
    connect(name_, &QLineEdit::textChanged, this, [this] { add_->setEnabled(true); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Entrez le nom du nouveau participant:"), this));
    layout->addWidget(name_);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

AddParticipantDialog::AddParticipantDialog(int year, QDate day, QWidget* parent)
    : AddParticipantDialog(parent)
{
    arrives_ = new QCheckBox(QStringLiteral("A&rrive en cours d'année, le :"), this);
    arrival_ = new YearDateField(year, this);
    arrival_->setDate(day);
    arrival_->setEnabled(false);
    connect(arrives_, &QCheckBox::toggled, arrival_, &QWidget::setEnabled);
    auto* row = new QHBoxLayout;
    row->addWidget(arrives_);
    row->addWidget(arrival_);
    row->addStretch();
    // Below the name, above the buttons.
    static_cast<QVBoxLayout*>(layout())->insertLayout(2, row);
}

QString AddParticipantDialog::name() const
{
    return result() == QDialog::Accepted ? name_->text() : QString();
}

QDate AddParticipantDialog::arrival() const
{
    return arrives_ && arrives_->isChecked() ? arrival_->date() : QDate();
}

void AddParticipantDialog::accept()
{
    if (name_->text().isEmpty())
        reject();
    else
        QDialog::accept();
}
