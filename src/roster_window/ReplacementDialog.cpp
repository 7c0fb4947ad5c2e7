#include "roster_window/ReplacementDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "roster_window/YearDateField.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

ReplacementDialog::ReplacementDialog(const ParticipantsAtDay& start, QWidget* parent)
    : QDialog(parent)
    , doctor_(new QComboBox(this))
    , successor_(new QComboBox(this))
    , first_(new YearDateField(start.year, this))
    , last_(new YearDateField(start.year, this))
{
    setWindowTitle(QStringLiteral("Remplacer un participant"));
    SetHelpSection(*this, QStringLiteral("remplacer"));
    doctor_->addItems(start.participants);
    successor_->addItems(start.participants);
    successor_->setCurrentIndex(start.participants.size() > 1 ? 1 : 0);
    first_->setDate(start.day);
    last_->setDate(QDate(start.year, 12, 31));
    auto* fields = new QFormLayout(this);
    AddLabelledRow(*fields, QStringLiteral("Les &gardes de :"), doctor_);
    AddLabelledRow(*fields, QStringLiteral("sont &reprises par :"), successor_);
    AddLabelledRow(*fields, QStringLiteral("&Du :"), first_);
    AddLabelledRow(*fields, QStringLiteral("A&u :"), last_);
    fields->addRow(AcceptOrCancel(*this, QStringLiteral("Rem&placer")));
}

Replacement ReplacementDialog::replacement() const
{
    return {doctor_->currentText(), successor_->currentText(), first_->date(), last_->date()};
}
