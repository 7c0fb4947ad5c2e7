#pragma once

#include "reports/PageCanvas.h"

#include <QPainter>

class QPagedPaintDevice;
class QPaintDevice;

// Draws on a printer, a PDF file, a print preview or a picture alike: the painter counts in
// twips, scaled once to the device's resolution. Painting starts with the first thing drawn, so
// that a layout can measure the page and give up before anything is printed.
class PainterCanvas : public PageCanvas {
public:
    // Pages are turned and their orientation set only on a paged device.
    explicit PainterCanvas(QPaintDevice& device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    QSizeF pageSize() const override;
    void paintText(QPointF topLeft, const QString& text) override;
    void fillRect(const QRectF& area, QColor colour) override;
    void drawLine(QPointF from, QPointF to) override;
    void setLandscape(bool landscape) override;
    void newPage() override;

    // The device refused to start painting (a printer that cannot be opened, a file that
    // cannot be written); nothing was drawn since.
    bool failed() const { return failed_; }
    // Ends the job; false when it had failed.
    bool finish();

private:
    bool begin();

    QPaintDevice& device_;
    QPagedPaintDevice* paged_;
    QPainter painter_;
    bool failed_ = false;
};
