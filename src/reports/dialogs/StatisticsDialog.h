#pragma once

#include "document/ReportViews.h"

#include <QDialog>

class QTreeWidget;

// frmStat: each participant's duty days by day type, a chart of them, and the buttons to print
// them and to open the selected participant's duty list.
class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    StatisticsDialog(const StatisticsReport& report, QWidget* parent);

    QTreeWidget* table() const { return table_; }

private:
    QTreeWidget* table_;
};
