#include "reports/dialogs/StatisticsChart.h"

#include "reports/Statistics.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

const std::array<QColor, DayTypeCount> TypeColours = {
    QColor(0x4e, 0x79, 0xa7), QColor(0xf2, 0x8e, 0x2b), QColor(0xe1, 0x57, 0x59)};
constexpr int Gap = 6;

int Total(const StatisticsLine& line)
{
    return std::accumulate(line.days.begin(), line.days.end(), 0);
}

} // namespace

StatisticsChart::StatisticsChart(const QList<StatisticsLine>& lines, QWidget* parent)
    : QWidget(parent)
    , lines_(lines)
{
    setMinimumHeight(sizeHint().height());
}

int StatisticsChart::rowHeight() const
{
    return fontMetrics().height() + 4;
}

QSize StatisticsChart::sizeHint() const
{
    return {480, static_cast<int>(lines_.size() + 1) * rowHeight() + 2 * Gap};
}

void StatisticsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The legend, on the first row.
    int x = Gap;
    for (int type = 0; type < DayTypeCount; ++type) {
        const QRect swatch(x, Gap + 2, rowHeight() - 6, rowHeight() - 6);
        painter.fillRect(swatch, TypeColours[type]);
        x = swatch.right() + Gap;
        painter.drawText(QPoint(x, Gap + metrics.ascent() + 2), DayTypeHeadings()[type]);
        x += metrics.horizontalAdvance(DayTypeHeadings()[type]) + 3 * Gap;
    }

    int nameWidth = 0;
    int longest = 1;
    for (const StatisticsLine& line : lines_) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(line.doctor));
        longest = std::max(longest, Total(line));
    }
    const int totalWidth = metrics.horizontalAdvance(QStringLiteral("999"));
    const int barsLeft = Gap + nameWidth + Gap;
    const double scale = std::max(0, width() - barsLeft - totalWidth - 2 * Gap) / double(longest);
    int y = Gap + rowHeight();
    for (const StatisticsLine& line : lines_) {
        painter.drawText(QPoint(Gap, y + metrics.ascent() + 2), line.doctor);
        double left = barsLeft;
        for (int type = 0; type < DayTypeCount; ++type) {
            const double length = line.days[type] * scale;
            painter.fillRect(QRectF(left, y + 2, length, rowHeight() - 4), TypeColours[type]);
            left += length;
        }
        painter.drawText(QPoint(qRound(left) + Gap, y + metrics.ascent() + 2),
                         QString::number(Total(line)));
        y += rowHeight();
    }
}
