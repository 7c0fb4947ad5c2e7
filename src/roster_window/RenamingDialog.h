#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// "Renommer un participant": a participant and his new name.
class RenamingDialog : public QDialog {
    Q_OBJECT

public:
    RenamingDialog(const QStringList& participants, QWidget* parent);

    QString participant() const;
    QString newName() const;

private:
    QComboBox* participant_;
    QLineEdit* newName_;
};
