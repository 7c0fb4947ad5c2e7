#pragma once

#include "reports/PageCanvas.h"

// A device's printable area, measured without ever painting on it: a layout run on it checks
// that its pages fit before anything is shown or printed.
class MeasuringCanvas : public PageCanvas {
public:
    explicit MeasuringCanvas(const QPaintDevice& device)
        : size_(PrintableArea(device))
    {
    }

    QSizeF pageSize() const override { return size_; }
    void paintText(QPointF, const QString&) override {}
    void fillRect(const QRectF&, QColor) override {}
    void drawLine(QPointF, QPointF) override {}
    // The layouts check the page they start on.
    void setLandscape(bool) override {}
    void newPage() override {}

private:
    QSizeF size_;
};
