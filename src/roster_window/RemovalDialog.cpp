#include "roster_window/RemovalDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "roster_window/YearDateField.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

RemovalDialog::RemovalDialog(const ParticipantsAtDay& start, QWidget* parent)
    : QDialog(parent)
    , participants_(start.participants)
    , year_(start.year)
    , participant_(new QComboBox(this))
    , wholeYear_(new QRadioButton(QStringLiteral("De &toute l'année"), this))
    , fromDay_(new QRadioButton(QStringLiteral("À partir d&u :"), this))
    , from_(new YearDateField(start.year, this))
    , kept_(new QRadioButton(QStringLiteral("restent à son &nom"), this))
    , blanked_(new QRadioButton(QStringLiteral("sont mises à &blanc"), this))
    , given_(new QRadioButton(QStringLiteral("sont &données à :"), this))
    , successor_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Retirer un participant"));
    SetHelpSection(*this, QStringLiteral("retirer"));
    participant_->addItems(participants_);
    from_->setDate(start.day);
    // Two choices, whatever widgets hold the buttons.
    auto* period = new QButtonGroup(this);
    period->addButton(wholeYear_);
    period->addButton(fromDay_);
    auto* left = new QButtonGroup(this);
    for (QRadioButton* choice : {kept_, blanked_, given_})
        left->addButton(choice);
    fromDay_->setChecked(true);
    blanked_->setChecked(true);
    connect(fromDay_, &QRadioButton::toggled, from_, &QWidget::setEnabled);
    connect(given_, &QRadioButton::toggled, successor_, &QWidget::setEnabled);
    connect(participant_, &QComboBox::currentIndexChanged, this, &RemovalDialog::offerSuccessors);
    offerSuccessors();
    successor_->setEnabled(false);

    auto* fields = new QFormLayout;
    AddLabelledRow(*fields, QStringLiteral("&Participant :"), participant_);
    auto* leaving = new QGroupBox(QStringLiteral("Il quitte le groupe"), this);
    auto* periodLayout = new QVBoxLayout(leaving);
    periodLayout->addWidget(wholeYear_);
    periodLayout->addWidget(new QLabel(QStringLiteral("Ses données administratives et ses "
                                                      "absences sont retirées avec lui."),
                                       leaving));
    auto* fromRow = new QHBoxLayout;
    fromRow->addWidget(fromDay_);
    fromRow->addWidget(from_);
    fromRow->addStretch();
    periodLayout->addLayout(fromRow);
    auto* duties = new QGroupBox(QStringLiteral("Ses gardes à partir de ce jour"), this);
    auto* dutiesLayout = new QVBoxLayout(duties);
    dutiesLayout->addWidget(kept_);
    dutiesLayout->addWidget(blanked_);
    auto* givenRow = new QHBoxLayout;
    givenRow->addWidget(given_);
    givenRow->addWidget(successor_, 1);
    dutiesLayout->addLayout(givenRow);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(leaving);
    layout->addWidget(duties);
    layout->addWidget(AcceptOrCancel(*this, QStringLiteral("&Retirer")));
}

// Anyone but the participant who leaves.
void RemovalDialog::offerSuccessors()
{
    const QString chosen = successor_->currentText();
    QStringList others = participants_;
    others.removeAll(participant_->currentText());
    successor_->clear();
    successor_->addItems(others);
    successor_->setCurrentIndex(std::max(0, static_cast<int>(others.indexOf(chosen))));
}

Removal RemovalDialog::removal() const
{
    Removal removal{participant_->currentText(),
                    wholeYear_->isChecked() ? QDate(year_, 1, 1) : from_->date()};
    if (given_->isChecked()) {
        removal.duties = LeftDuties::Given;
        removal.successor = successor_->currentText();
    } else {
        removal.duties = kept_->isChecked() ? LeftDuties::Kept : LeftDuties::Blanked;
    }
    return removal;
}
