#pragma once

#include "document/EditDialogs.h"
#include "document/Messages.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// frmPartage: the intervals of a shared day, edited as a list and saved together.
class SharingDialog : public QDialog {
    Q_OBJECT

public:
    SharingDialog(Messages& ui, const ShareRequest& request, QWidget* parent);

    const QList<SharedInterval>& intervals() const { return intervals_; }

    void accept() override;

private:
    void add();
    void edit();
    void remove();
    void showIntervals(int selected);

    Messages& ui_;
    QStringList participants_;
    QList<SharedInterval> intervals_;
    QTreeWidget* list_;
    QPushButton* edit_;
    QPushButton* remove_;
};
