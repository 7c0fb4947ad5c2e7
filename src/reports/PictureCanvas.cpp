#include "reports/PictureCanvas.h"

#include "store/Twips.h"

PictureCanvas::PictureCanvas(QSizeF paperMm, QMarginsF marginsMm)
    : paperMm_(paperMm)
    , marginsTwips_(marginsMm * TwipsPerMillimetre)
{
}

PictureCanvas::~PictureCanvas()
{
    endPage();
}

QSizeF PictureCanvas::paperTwips(bool landscape) const
{
    const QSizeF portrait = paperMm_ * TwipsPerMillimetre;
    return landscape ? portrait.transposed() : portrait;
}

QSizeF PictureCanvas::pageSize() const
{
    const bool landscape = painter_.isActive() ? pages_.last().landscape : nextLandscape_;
    return paperTwips(landscape).shrunkBy(marginsTwips_);
}

void PictureCanvas::startPage()
{
    endPage();
    pages_.append({QPicture(),
                   paperTwips(nextLandscape_),
                   {marginsTwips_.left(), marginsTwips_.top()},
                   nextLandscape_});
    painter_.begin(&pages_.last().picture);
}

void PictureCanvas::endPage()
{
    if (painter_.isActive())
        painter_.end();
}

QPainter& PictureCanvas::painter()
{
    if (!painter_.isActive())
        startPage();
    return painter_;
}

void PictureCanvas::paintText(QPointF topLeft, const QString& text)
{
    QPainter& page = painter();
    page.setFont(twipsFont());
    page.setPen(textColour());
    page.drawText(topLeft + QPointF(0, twipsMetrics().ascent()), text);
}

void PictureCanvas::fillRect(const QRectF& area, QColor colour)
{
    painter().fillRect(area, colour);
}

void PictureCanvas::drawLine(QPointF from, QPointF to)
{
    QPainter& page = painter();
    // About a printer's dot at 600 dots to the inch, as printed.
    page.setPen(QPen(Qt::black, 3));
    page.drawLine(from, to);
}

void PictureCanvas::setLandscape(bool landscape)
{
    nextLandscape_ = landscape;
}

void PictureCanvas::newPage()
{
    // The page being left exists even if nothing was drawn on it, as on a printer.
    painter();
    startPage();
}

QList<PreviewPage> PictureCanvas::takePages()
{
    endPage();
    return std::exchange(pages_, {});
}
