#pragma once

#include "reports/PageCanvas.h"

#include <QList>
#include <QMarginsF>
#include <QPainter>
#include <QPicture>

// One page of a preview: what was drawn on it, in twips from the top-left corner of its printable
// area, and the paper it is on, turned as the page is.
struct PreviewPage {
    QPicture picture;
    QSizeF paperTwips;
    QPointF printableTopLeft;
    bool landscape = false;
};

// Records each page of a printed product as a picture of its own orientation, so that a preview
// shows every page as the printer prints it (a printer preview turns all pages alike).
class PictureCanvas : public PageCanvas {
public:
    PictureCanvas(QSizeF paperMm, QMarginsF marginsMm);
    ~PictureCanvas() override;
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    QSizeF pageSize() const override;
    void fillRect(const QRectF& area, QColor colour) override;
    void drawLine(QPointF from, QPointF to) override;
    void setLandscape(bool landscape) override;
    void newPage() override;

    // The pages drawn, in order; the canvas is empty afterwards.
    QList<PreviewPage> takePages();

protected:
    void paintText(QPointF topLeft, const QString& text) override;

private:
    QSizeF paperTwips(bool landscape) const;
    // Starts the first page when nothing was drawn yet.
    QPainter& painter();
    void startPage();
    void endPage();

    QSizeF paperMm_;
    QMarginsF marginsTwips_;
    bool nextLandscape_ = false;
    QList<PreviewPage> pages_;
    QPainter painter_;
};
