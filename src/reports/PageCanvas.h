#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPaintDevice;

// A page to draw a printed product on. Lengths are twips (1440 to the inch, 567 to the
// centimetre), measured from the top-left corner of the printable area; a text is placed by the
// top of its line, as a printer's print position.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // The printable area.
    virtual QSizeF pageSize() const = 0;

    // The font of the texts drawn and measured from now on, its size in points.
    void setFont(const QFont& font);
    double textWidth(const QString& text) const;
    // The height of a line of the current font.
    double textHeight(const QString& text) const;

    // The colour of the texts drawn from now on; black at first.
    void setTextColour(QColor colour) { textColour_ = colour; }

    // A control character (a line break in a name from an old file) prints as a blank.
    void drawText(QPointF topLeft, const QString& text) { paintText(topLeft, Printable(text)); }
    virtual void fillRect(const QRectF& area, QColor colour) = 0;
    // A thin black rule.
    virtual void drawLine(QPointF from, QPointF to) = 0;
    // The orientation of the pages from the next one on (or of the first, before anything is
    // drawn).
    virtual void setLandscape(bool landscape) = 0;
    virtual void newPage() = 0;

protected:
    static QString Printable(const QString& text);
    virtual void paintText(QPointF topLeft, const QString& text) = 0;

    // The current font, sized in twips as pixels: drawn on a painter that counts in twips.
    const QFont& twipsFont() const { return font_; }
    const QFontMetricsF& twipsMetrics() const { return metrics_; }
    QColor textColour() const { return textColour_; }

private:
    QFont font_;
    QFontMetricsF metrics_{font_};
    QColor textColour_ = Qt::black;
};

// The printable area of a device, in twips.
QSizeF PrintableArea(const QPaintDevice& device);

// "Arial" of the printed products, in points; the system's font matching gives a face with
// Arial's metrics (Liberation Sans).
QFont ArialFont(double points, bool bold = false, bool underline = false);
