#pragma once

#include "document/EditDialogs.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QRadioButton;

// "Retirer un participant": who leaves the group, for the whole year or from a day, and what
// becomes of his duties from then on: left to his name, blanked, or given to another.
class RemovalDialog : public QDialog {
    Q_OBJECT

public:
    RemovalDialog(const ParticipantsAtDay& start, QWidget* parent);

    Removal removal() const;

private:
    void offerSuccessors();

    QStringList participants_;
    int year_;
    QComboBox* participant_;
    QRadioButton* wholeYear_;
    QRadioButton* fromDay_;
    QDateEdit* from_;
    QRadioButton* kept_;
    QRadioButton* blanked_;
    QRadioButton* given_;
    QComboBox* successor_;
};
