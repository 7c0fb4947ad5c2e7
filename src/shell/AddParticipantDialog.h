#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// frmAddDr: asks the name of a new participant.
class AddParticipantDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddParticipantDialog(QWidget* parent);

    QString name() const;

private:
    QLineEdit* name_;
    QPushButton* add_;
};
