#include "reports/PainterCanvas.h"

#include "store/Twips.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

PainterCanvas::PainterCanvas(QPaintDevice& device)
    : device_(device)
    , paged_(dynamic_cast<QPagedPaintDevice*>(&device))
{
}

PainterCanvas::~PainterCanvas()
{
    finish();
}

QSizeF PainterCanvas::pageSize() const
{
    return PrintableArea(device_);
}

bool PainterCanvas::begin()
{
    if (painter_.isActive() || failed_)
        return !failed_;
    if (!painter_.begin(&device_)) {
        failed_ = true;
        return false;
    }
    painter_.scale(device_.logicalDpiX() / TwipsPerInch, device_.logicalDpiY() / TwipsPerInch);
    return true;
}

void PainterCanvas::paintText(QPointF topLeft, const QString& text)
{
    if (!begin())
        return;
    // The painter changes state only when the layout did.
    if (painter_.font() != twipsFont())
        painter_.setFont(twipsFont());
    if (painter_.pen().color() != textColour())
        painter_.setPen(textColour());
    painter_.drawText(topLeft + QPointF(0, twipsMetrics().ascent()), text);
}

void PainterCanvas::fillRect(const QRectF& area, QColor colour)
{
    if (begin())
        painter_.fillRect(area, colour);
}

void PainterCanvas::drawLine(QPointF from, QPointF to)
{
    if (!begin())
        return;
    // About a printer's dot at 600 dots to the inch.
    painter_.setPen(QPen(Qt::black, 3));
    painter_.drawLine(from, to);
}

void PainterCanvas::setLandscape(bool landscape)
{
    // A device that cannot turn the next page (some printers, while printing) fails the job
    // rather than printing it in the wrong orientation.
    if (paged_ &&
        !paged_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait))
        failed_ = true;
}

void PainterCanvas::newPage()
{
    if (paged_ && begin() && !paged_->newPage())
        failed_ = true;
}

bool PainterCanvas::finish()
{
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    return !failed_;
}
