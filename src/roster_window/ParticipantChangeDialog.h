#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// "Renommer un participant" (a participant and his new name) and "Retirer un participant" (a
// participant): the same choice of a participant, with the new name's field when renaming.
class ParticipantChangeDialog : public QDialog {
    Q_OBJECT

public:
    enum class Change { Rename, Remove };

    ParticipantChangeDialog(Change change, const QStringList& participants, QWidget* parent);

    QString participant() const;
    QString newName() const;

private:
    QComboBox* participant_;
    QLineEdit* newName_ = nullptr;
};
