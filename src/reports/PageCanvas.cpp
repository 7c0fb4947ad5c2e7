#include "reports/PageCanvas.h"

#include "store/ParticipantNames.h"
#include "store/Twips.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace {

constexpr double TwipsPerPoint = 20;

} // namespace

void PageCanvas::setFont(const QFont& font)
{
    font_ = font;
    font_.setPixelSize(qRound(font.pointSizeF() * TwipsPerPoint));
    metrics_ = QFontMetricsF(font_);
}

QString PageCanvas::Printable(const QString& text)
{
    if (!HoldsControlCharacter(text))
        return text;
    QString printable = text;
    std::replace_if(printable.begin(), printable.end(), IsControlCharacter, QLatin1Char(' '));
    return printable;
}

double PageCanvas::textWidth(const QString& text) const
{
    return metrics_.horizontalAdvance(Printable(text));
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
