#pragma once

#include "document/ReportViews.h"

#include <QWidget>
#include <array>

class FairnessChart;
class QDoubleSpinBox;
class QLabel;
class QTreeWidget;

// The fairness tab of frmStat: each rotation's participants against the rotation's mean, over
// the open roster's year and the earlier years the user adds, with the points of the weights he
// sets (kept in the settings) and their chart.
class FairnessView : public QWidget {
    Q_OBJECT

public:
    FairnessView(const FairnessReport& report, QWidget* parent);

    // The table as it stands, for the print buttons.
    const FairnessTable& table() const { return table_; }
    QTreeWidget* tree() const { return tree_; }
    QLabel* yearsLabel() const { return years_; }
    QDoubleSpinBox* weightBox(int dayType) const { return weights_.at(dayType); }

private:
    QLayout* makeWeightsRow();
    void addYear();
    void weightsChanged();
    void refresh();
    void addRotation(const FairnessRotation& rotation);

    FairnessReport report_;
    QList<FairnessYear> ledger_;
    FairnessTable table_;
    QLabel* years_;
    std::array<QDoubleSpinBox*, DayTypeCount> weights_{};
    QTreeWidget* tree_;
    FairnessChart* chart_;
};
