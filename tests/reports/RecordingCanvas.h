#pragma once

#include "reports/PageCanvas.h"

#include <QLineF>
#include <QList>

// Records what a layout draws, measured with the fonts the printer uses. Its pages are portrait
// of the size given, or landscape when the layout asks.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        int page;
        QPointF at;
        QString text;
        bool bold, underline;
        QColor colour;
        // The font's size in points.
        double points;
    };

    explicit RecordingCanvas(QSizeF portrait)
        : portrait_(portrait)
    {
    }

    QSizeF pageSize() const override
    {
        return landscapePages.at(page_ - 1) ? portrait_.transposed() : portrait_;
    }
    void paintText(QPointF topLeft, const QString& text) override
    {
        texts.append({page_, topLeft, text, twipsFont().bold(), twipsFont().underline(),
                      textColour(), twipsFont().pixelSize() / 20.0});
    }
    void fillRect(const QRectF& area, QColor colour) override { fills.append({area, colour}); }
    void drawLine(QPointF from, QPointF to) override { lines.append({page_, {from, to}}); }
    // Before anything is drawn, the first page's orientation too.
    void setLandscape(bool landscape) override
    {
        nextLandscape_ = landscape;
        if (page_ == 1 && texts.isEmpty() && fills.isEmpty() && lines.isEmpty())
            landscapePages = {landscape};
    }
    void newPage() override
    {
        ++page_;
        landscapePages.append(nextLandscape_);
    }

    // The first text drawn on the page given, or null.
    const Text* find(const QString& text, int page = 1) const
    {
        const auto found = std::find_if(texts.begin(), texts.end(), [&](const Text& drawn) {
            return drawn.text == text && drawn.page == page;
        });
        return found == texts.end() ? nullptr : &*found;
    }

    QList<Text> texts;
    QList<std::pair<QRectF, QColor>> fills;
    // The rules, each with its page.
    QList<std::pair<int, QLineF>> lines;
    // Each page's orientation, in order.
    QList<bool> landscapePages{false};

private:
    QSizeF portrait_;
    int page_ = 1;
    bool nextLandscape_ = false;
};

// A text's width and the height of its line in Arial of the size given, as the printer measures.
inline QSizeF Arial(const QString& text, double points, bool bold = false)
{
    RecordingCanvas canvas({});
    canvas.setFont(ArialFont(points, bold));
    return {canvas.textWidth(text), canvas.textHeight(text)};
}
