#pragma once

#include "document/EditDialogs.h"

#include <QDialog>

class QComboBox;
class QDateEdit;

// "Remplacer un participant": whose duties, to whom, on the days from one date to another.
class ReplacementDialog : public QDialog {
    Q_OBJECT

public:
    ReplacementDialog(const ParticipantsAtDay& start, QWidget* parent);

    Replacement replacement() const;

private:
    QComboBox* doctor_;
    QComboBox* successor_;
    QDateEdit* first_;
    QDateEdit* last_;
};
