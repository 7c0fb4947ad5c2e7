#pragma once

#include "document/ReportViews.h"

#include <QWidget>

// Each participant's points as a bar, rotation by rotation, with the rotation's mean as a line
// across its bars: who is above the mean shows at a glance. All on the scale of the most points.
class FairnessChart : public QWidget {
    Q_OBJECT

public:
    explicit FairnessChart(QWidget* parent);

    void setRotations(const QList<FairnessRotation>& rotations);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    // A rotation's rows from the top given, its heading first; the top of the next.
    int paintRotation(QPainter& painter, const FairnessRotation& rotation, int top,
                      double scale) const;

    QList<FairnessRotation> rotations_;
    int barsLeft_ = 0;
};
