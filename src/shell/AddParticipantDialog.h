#pragma once

#include <QDate>
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// frmAddDr: asks the name of a new participant; over a roster, also the day he joins the group
// when he arrives during the year.
class AddParticipantDialog : public QDialog {
    Q_OBJECT

public:
    // For the wizard's lists: the name alone.
    explicit AddParticipantDialog(QWidget* parent);
    // For a roster of that year, the arrival's field starting on the day given.
    AddParticipantDialog(int year, QDate day, QWidget* parent);

    QString name() const;
    // The day he arrives; none when he is there from the start of the year.
    QDate arrival() const;

    // "Ajouter" with an empty name gives up, as "Annuler" does.
    void accept() override;

private:
    QLineEdit* name_;
    QPushButton* add_;
    QCheckBox* arrives_ = nullptr;
    QDateEdit* arrival_ = nullptr;
};
