#pragma once

#include "reports/PageCanvas.h"

#include <QFontInfo>
#include <QList>

// Records what a layout draws, measured with the fonts the printer uses. Its pages are portrait
// of the size given, or landscape when the layout asks.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        int page;
        QPointF at;
        QString text;
        bool bold;
        bool underline;
        QColor colour;
        // The font's size in points.
        double points;
    };
    struct Line {
        int page;
        QPointF from;
        QPointF to;
    };
    struct Fill {
        int page;
        QRectF area;
        QColor colour;
    };

    explicit RecordingCanvas(QSizeF portrait)
        : portrait_(portrait)
    {
    }

    QSizeF pageSize() const override
    {
        return landscapePages.value(page_ - 1, nextLandscape_) ? portrait_.transposed() : portrait_;
    }
    void paintText(QPointF topLeft, const QString& text) override
    {
        startPage();
        texts.append({page_, topLeft, text, twipsFont().bold(), twipsFont().underline(),
                      textColour(), twipsFont().pixelSize() / 20.0});
    }
    void fillRect(const QRectF& area, QColor colour) override
    {
        startPage();
        fills.append({page_, area, colour});
    }
    void drawLine(QPointF from, QPointF to) override
    {
        startPage();
        lines.append({page_, from, to});
    }
    void setLandscape(bool landscape) override { nextLandscape_ = landscape; }
    void newPage() override
    {
        startPage();
        ++page_;
        landscapePages.append(nextLandscape_);
    }

    // The first text drawn on the page given, or null.
    const Text* find(const QString& text, int page = 1) const
    {
        for (const Text& drawn : texts) {
            if (drawn.text == text && drawn.page == page)
                return &drawn;
        }
        return nullptr;
    }

    QList<Text> texts;
    QList<Fill> fills;
    QList<Line> lines;
    // Each page's orientation, in order.
    QList<bool> landscapePages;

private:
    void startPage()
    {
        if (landscapePages.isEmpty())
            landscapePages.append(nextLandscape_);
    }

    QSizeF portrait_;
    int page_ = 1;
    bool nextLandscape_ = false;
};

// A text's width and the height of a line in Arial of the size given, as the printer measures.
inline double ArialWidth(const QString& text, double points, bool bold = false)
{
    RecordingCanvas canvas({});
    canvas.setFont(ArialFont(points, bold));
    return canvas.textWidth(text);
}

inline double ArialLineHeight(double points, bool bold = false)
{
    RecordingCanvas canvas({});
    canvas.setFont(ArialFont(points, bold));
    return canvas.textHeight({});
}
