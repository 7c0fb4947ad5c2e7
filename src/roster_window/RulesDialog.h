#pragma once

#include "store/RosterRules.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// "Règles du tour de garde": the group's rules, each on or off, and the run of weekends.
class RulesDialog : public QDialog {
    Q_OBJECT

public:
    RulesDialog(const RosterRules& current, QWidget* parent);

    RosterRules rules() const;

private:
    QCheckBox* twoDaysRunning_;
    QCheckBox* dayAfterWeekend_;
    QCheckBox* tooManyWeekends_;
    QSpinBox* weekendsAllowed_;
    QSpinBox* weekendsWindow_;
    QCheckBox* dayWithoutDuty_;
    QCheckBox* uncoveredHours_;
    QCheckBox* unknownName_;
};
