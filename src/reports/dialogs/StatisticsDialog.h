#pragma once

#include "document/ReportViews.h"

#include <QDialog>

class FairnessView;
class QTabWidget;
class QTreeWidget;

// frmStat: each participant's duty days by day type and a chart of them, the fairness view in a
// second tab, and the buttons to print the tab shown and to open the selected participant's
// duty list.
class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    StatisticsDialog(const StatisticsReport& report, QWidget* parent);

    QTreeWidget* table() const { return table_; }
    QTabWidget* tabs() const { return tabs_; }
    FairnessView* fairness() const { return fairness_; }

private:
    QWidget* makeStatisticsTab(const StatisticsReport& report);
    // The commands of the tab shown: the statistics, or the fairness table as it stands.
    PrintCommands shownCommands() const;

    QTreeWidget* table_;
    QTabWidget* tabs_;
    FairnessView* fairness_;
    PrintCommands statisticsCommands_;
    std::function<PrintCommands(const FairnessTable&)> fairnessCommands_;
};
