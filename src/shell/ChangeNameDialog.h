#pragma once

#include <QDialog>

class QListWidget;

// frmChangeDr: picks the entry that takes the place of the selected one.
class ChangeNameDialog : public QDialog {
    Q_OBJECT

public:
    ChangeNameDialog(const QStringList& entries, int preselected, QWidget* parent);

    // The chosen entry when it differs from the preselected one, otherwise -1.
    int chosenIndex() const;

private:
    QListWidget* entries_;
    int preselected_;
};
