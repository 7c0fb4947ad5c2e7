#include "roster_window/RulesDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

RulesDialog::RulesDialog(const RosterRules& current, QWidget* parent)
    : QDialog(parent)
    , twoDaysRunning_(new QCheckBox(QStringLiteral("de garde deux &jours de suite"), this))
    , dayAfterWeekend_(new QCheckBox(QStringLiteral("de garde le &lundi après son week-end"), this))
    , tooManyWeekends_(new QCheckBox(QStringLiteral("de garde plus &de"), this))
    , weekendsAllowed_(new QSpinBox(this))
    , weekendsWindow_(new QSpinBox(this))
    , dayWithoutDuty_(new QCheckBox(QStringLiteral("un jour sans personne de &garde"), this))
    , uncoveredHours_(new QCheckBox(
          QStringLiteral("un jour partagé dont des &heures restent sans personne"), this))
    , unknownName_(new QCheckBox(
          QStringLiteral("un jour tenu par un &nom absent de la liste des participants"), this))
{
    setWindowTitle(QStringLiteral("Règles du tour de garde"));
    SetHelpSection(*this, QStringLiteral("regles"));
    auto* absent = new QCheckBox(QStringLiteral("de garde pendant une absence"), this);
    absent->setChecked(true);
    absent->setEnabled(false);
    twoDaysRunning_->setChecked(current.twoDaysRunning);
    dayAfterWeekend_->setChecked(current.dayAfterWeekend);
    tooManyWeekends_->setChecked(current.tooManyWeekends);
    dayWithoutDuty_->setChecked(current.dayWithoutDuty);
    uncoveredHours_->setChecked(current.uncoveredHours);
    unknownName_->setChecked(current.unknownName);
    // A run holds more weekends than it allows.
    weekendsWindow_->setRange(2, MostWeekendsInARun);
    weekendsWindow_->setValue(current.weekendsWindow);
    weekendsAllowed_->setRange(1, weekendsWindow_->value() - 1);
    weekendsAllowed_->setValue(current.weekendsAllowed);
    connect(weekendsWindow_, &QSpinBox::valueChanged, weekendsAllowed_,
            [this](int window) { weekendsAllowed_->setMaximum(window - 1); });

    auto* weekends = new QHBoxLayout;
    weekends->addWidget(tooManyWeekends_);
    weekends->addWidget(weekendsAllowed_);
    weekends->addWidget(new QLabel(QStringLiteral("week-ends sur"), this));
    weekends->addWidget(weekendsWindow_);
    weekends->addWidget(new QLabel(QStringLiteral("consécutifs"), this));
    weekends->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Signaler sur la grille un participant :"), this));
    layout->addWidget(absent);
    layout->addWidget(twoDaysRunning_);
    layout->addWidget(dayAfterWeekend_);
    layout->addLayout(weekends);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Signaler aussi :"), this));
    for (QCheckBox* rule : {dayWithoutDuty_, uncoveredHours_, unknownName_})
        layout->addWidget(rule);

    auto* buttons = AcceptOrCancel(*this, new QPushButton(QStringLiteral("&Enregistrer"), this));
    layout->addWidget(buttons);
}

RosterRules RulesDialog::rules() const
{
    return {twoDaysRunning_->isChecked(),  dayAfterWeekend_->isChecked(),
            tooManyWeekends_->isChecked(), weekendsAllowed_->value(),
            weekendsWindow_->value(),      dayWithoutDuty_->isChecked(),
            uncoveredHours_->isChecked(),  unknownName_->isChecked()};
}
