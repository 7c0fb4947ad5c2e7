#pragma once

#include "store/WorkRecord.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

// Offers back the rosters a program that ended without closing them left with unsaved
// changes: each ticked one is reopened, the others are discarded.
class RecoveryDialog : public QDialog {
    Q_OBJECT

public:
    RecoveryDialog(const QList<WorkRecord>& rosters, QWidget* parent);

    // For each roster, whether it is ticked.
    QList<bool> reopened() const;

private:
    QTreeWidget* list_;
};
