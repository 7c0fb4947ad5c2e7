#include "reports/StatisticsLayout.h"

#include "reports/PageCanvas.h"
#include "reports/Statistics.h"

#include <algorithm>
#include <array>

using namespace ReportPage;

namespace {

// A text centred in a column.
void DrawCentred(PageCanvas& canvas, const QString& text, double columnStart, double columnWidth,
                 double y)
{
    canvas.drawText({columnStart + (columnWidth - canvas.textWidth(text)) / 2, y}, text);
}

} // namespace

Outcome DrawStatistics(PageCanvas& canvas, const QString& title, const QList<StatisticsLine>& lines)
{
    canvas.setFont(ArialFont(9));
    // As wide as the widest cell, and never narrower than "99 dont 99 partagés".
    double column = canvas.textWidth(QStringLiteral("99 dont 99 partagés"));
    for (const StatisticsLine& line : lines) {
        for (int type = 0; type < DayTypeCount; ++type)
            column = std::max(column,
                              canvas.textWidth(StatisticsCell(line.days[type], line.shared[type])));
    }
    const double lineHeight = canvas.textHeight(DayTypeHeadings()[2]);
    const double width = canvas.pageSize().width();
    if (width - 2 * Margin < 4 * column + 100)
        return Outcome::PageTooNarrow;
    const double bottom = canvas.pageSize().height() - FootReserve;
    const std::array<double, DayTypeCount> starts = {width - Margin - 3 * column - 100,
                                                     width - Margin - 2 * column - 50,
                                                     width - Margin - column};

    double y = DrawTitle(canvas, title);
    canvas.setFont(ArialFont(9, true));
    canvas.drawText({Margin, y}, QStringLiteral("Medecins"));
    for (int type = 0; type < DayTypeCount; ++type)
        DrawCentred(canvas, DayTypeHeadings()[type], starts[type], column, y);
    y += canvas.textHeight(DayTypeHeadings()[0]);

    canvas.setFont(ArialFont(9));
    for (const StatisticsLine& line : lines) {
        if (y + lineHeight > bottom) {
            canvas.newPage();
            y = Margin;
        }
        canvas.drawText({Margin, y}, line.doctor);
        for (int type = 0; type < DayTypeCount; ++type)
            DrawCentred(canvas, StatisticsCell(line.days[type], line.shared[type]), starts[type],
                        column, y);
        y += canvas.textHeight(line.doctor);
    }
    return Outcome::Drawn;
}
