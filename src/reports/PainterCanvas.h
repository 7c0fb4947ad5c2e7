#pragma once

#include "PageCanvas.h"

#include <QPainter>

class QPagedPaintDevice;

// Draws on a printer, a PDF file or a print preview alike: the painter counts in twips, scaled
// once to the device's resolution. Painting starts with the first text or page, so that a layout
// can measure the page and give up before anything is printed.
class PainterCanvas : public PageCanvas {
public:
    explicit PainterCanvas(QPagedPaintDevice& device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    QSizeF pageSize() const override;
    void drawText(QPointF topLeft, const QString& text) override;
    void newPage() override;

    // The device refused to start painting (a printer that cannot be opened, a file that
    // cannot be written); nothing was drawn since.
    bool failed() const { return failed_; }
    // Ends the job; false when it had failed.
    bool finish();

private:
    bool begin();

    QPagedPaintDevice& device_;
    QPainter painter_;
    bool failed_ = false;
};
