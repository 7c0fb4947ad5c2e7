#include "reports/dialogs/FairnessChart.h"

#include "reports/Fairness.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor BarColour(0x4e, 0x79, 0xa7);
constexpr int Gap = 6;

} // namespace

FairnessChart::FairnessChart(QWidget* parent)
    : QWidget(parent)
{
}

void FairnessChart::setRotations(const QList<FairnessRotation>& rotations)
{
    rotations_ = rotations;
    int nameWidth = fontMetrics().horizontalAdvance(QStringLiteral("Moyenne"));
    for (const FairnessRotation& rotation : rotations_) {
        for (const FairnessLine& line : rotation.lines)
            nameWidth = std::max(nameWidth, fontMetrics().horizontalAdvance(line.doctor));
    }
    barsLeft_ = Gap + nameWidth + Gap;
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

int FairnessChart::rowHeight() const
{
    return fontMetrics().height() + 4;
}

QSize FairnessChart::sizeHint() const
{
    qsizetype rows = 0;
    for (const FairnessRotation& rotation : rotations_)
        rows += rotation.lines.size() + 1;
    return {480, static_cast<int>(rows) * rowHeight() + 2 * Gap};
}

void FairnessChart::paintEvent(QPaintEvent*)
{
    double most = 1;
    for (const FairnessRotation& rotation : rotations_) {
        for (const FairnessLine& line : rotation.lines)
            most = std::max(most, line.points);
    }
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("9999,5"));
    const double scale = std::max(0, width() - barsLeft_ - valueWidth - 2 * Gap) / most;
    QPainter painter(this);
    int top = Gap;
    for (const FairnessRotation& rotation : rotations_)
        top = paintRotation(painter, rotation, top, scale);
}

int FairnessChart::paintRotation(QPainter& painter, const FairnessRotation& rotation, int top,
                                 double scale) const
{
    const int ascent = fontMetrics().ascent() + 2;
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPoint(Gap, top + ascent), rotation.heading);
    painter.setFont(font());
    int y = top + rowHeight();
    for (const FairnessLine& line : rotation.lines) {
        painter.drawText(QPoint(Gap, y + ascent), line.doctor);
        const double length = line.points * scale;
        painter.fillRect(QRectF(barsLeft_, y + 2, length, rowHeight() - 4), BarColour);
        painter.drawText(QPoint(barsLeft_ + qRound(length) + Gap, y + ascent),
                         FairnessNumber(line.points));
        y += rowHeight();
    }
    // The mean across the rotation's bars.
    const double mean = barsLeft_ + rotation.meanPoints * scale;
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(mean, top + rowHeight()), QPointF(mean, y));
    painter.setPen(palette().color(QPalette::WindowText));
    // Named on its heading's row, after the heading, and never cut by the right edge.
    const QString name = QStringLiteral("Moyenne : %1").arg(FairnessNumber(rotation.meanPoints));
    const int headingEnd = Gap + QFontMetrics(bold).horizontalAdvance(rotation.heading);
    const int nameLeft = std::min(std::max(qRound(mean), headingEnd + 2 * Gap) + Gap,
                                  width() - fontMetrics().horizontalAdvance(name) - Gap);
    painter.drawText(QPoint(nameLeft, top + ascent), name);
    return y;
}
