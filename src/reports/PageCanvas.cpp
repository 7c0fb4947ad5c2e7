#include "PageCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace {

constexpr double TwipsPerPoint = 20;
constexpr double TwipsPerInch = 1440;

} // namespace

void PageCanvas::setFont(const QFont& font)
{
    font_ = font;
    font_.setPixelSize(qRound(font.pointSizeF() * TwipsPerPoint));
    metrics_ = QFontMetricsF(font_);
}

double PageCanvas::textWidth(const QString& text) const
{
    return metrics_.horizontalAdvance(text);
}

double PageCanvas::textHeight(const QString&) const
{
    return metrics_.height();
}

QFont ArialFont(double points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QSizeF PrintableArea(const QPaintDevice& device)
{
    return {device.width() * TwipsPerInch / device.logicalDpiX(),
            device.height() * TwipsPerInch / device.logicalDpiY()};
}
