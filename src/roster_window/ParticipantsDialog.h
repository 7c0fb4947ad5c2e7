#pragma once

#include <QDialog>

class QComboBox;

// frmParticipants: picks one participant from a drop-down list.
class ParticipantsDialog : public QDialog {
    Q_OBJECT

public:
    ParticipantsDialog(const QStringList& participants, int preselected, QWidget* parent);

    int chosenIndex() const;

private:
    QComboBox* doctors_;
};
