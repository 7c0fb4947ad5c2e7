#pragma once

#include "document/EditDialogs.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// frmPropriétés: a day's type and the user's unavailability on it.
class DayPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    DayPropertiesDialog(QDate day, const DayProperties& current, QWidget* parent);

    DayProperties properties() const;

private:
    QRadioButton* types_[3];
    QCheckBox* unavailable_;
    QPushButton* save_;
    DayType storedType_;
};
