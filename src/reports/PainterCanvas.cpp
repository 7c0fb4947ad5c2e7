#include "PainterCanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {

constexpr double TwipsPerInch = 1440;

} // namespace

PainterCanvas::PainterCanvas(QPagedPaintDevice& device)
    : device_(device)
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

void PainterCanvas::drawText(QPointF topLeft, const QString& text)
{
    if (!begin())
        return;
    painter_.setFont(twipsFont());
    painter_.drawText(topLeft + QPointF(0, QFontMetricsF(twipsFont()).ascent()), text);
}

void PainterCanvas::newPage()
{
    if (begin())
        device_.newPage();
}

bool PainterCanvas::finish()
{
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    return !failed_;
}
