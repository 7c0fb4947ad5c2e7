#pragma once

#include "document/ReportViews.h"

#include <QWidget>

// Shows at a glance whether the year is fair: one bar per participant, in the statistics'
// order, split by day type, all on the scale of the longest.
class StatisticsChart : public QWidget {
    Q_OBJECT

public:
    StatisticsChart(const QList<StatisticsLine>& lines, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;

    QList<StatisticsLine> lines_;
};
