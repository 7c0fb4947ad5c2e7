#include "reports/ChangesNoticeLayout.h"

#include "reports/PageCanvas.h"

#include <array>

using namespace ReportPage;

namespace {

// The widths of the date and weekday columns; before and after share what remains.
constexpr double DateWidth = 1400;
constexpr double WeekdayWidth = 1300;
// The room left around a cell's text.
constexpr double Padding = 80;
// Narrower than this for each of before and after, the page cannot hold the table.
constexpr double SmallestDutyWidth = 2500;

struct Columns {
    std::array<double, 5> edges;
};

Columns ColumnsFor(double pageWidth)
{
    const double dutyWidth = (pageWidth - 2 * Margin - DateWidth - WeekdayWidth) / 2;
    const double left = Margin;
    return {{left, left + DateWidth, left + DateWidth + WeekdayWidth,
             left + DateWidth + WeekdayWidth + dutyWidth,
             left + DateWidth + WeekdayWidth + 2 * dutyWidth}};
}

// A row of four cells, ruled below and between; the print position below it.
double DrawRow(PageCanvas& canvas, const Columns& columns, double y, double height,
               const std::array<QString, 4>& cells)
{
    for (int i = 0; i < 4; ++i)
        canvas.drawText({columns.edges[i] + Padding, y + Padding / 2}, cells[i]);
    const double bottom = y + height;
    canvas.drawLine({columns.edges.front(), bottom}, {columns.edges.back(), bottom});
    for (const double x : columns.edges)
        canvas.drawLine({x, y}, {x, bottom});
    return bottom;
}

double DrawHead(PageCanvas& canvas, const Columns& columns, double y, double height)
{
    canvas.setFont(ArialFont(9, true));
    canvas.drawLine({columns.edges.front(), y}, {columns.edges.back(), y});
    y = DrawRow(canvas, columns, y, height,
                {QStringLiteral("Date"), QStringLiteral("Jour"), QStringLiteral("Avant"),
                 QStringLiteral("Après")});
    canvas.setFont(ArialFont(9));
    return y;
}

} // namespace

Outcome DrawChangesNotice(PageCanvas& canvas, const ChangesNotice& notice)
{
    canvas.setLandscape(true);
    const QSizeF page = canvas.pageSize();
    const Columns columns = ColumnsFor(page.width());
    if (columns.edges[4] - columns.edges[3] < SmallestDutyWidth)
        return Outcome::PageTooNarrow;
    double y = DrawTitle(canvas, notice.title);
    canvas.setFont(ArialFont(9));
    const double line = canvas.textHeight(notice.sector);
    canvas.drawText({Margin, y}, notice.sector);
    canvas.drawText({Margin, y + line}, notice.madeOn);
    y += 3 * line;
    const double rowHeight = line + Padding;
    const double bottom = page.height() - FootReserve;
    y = DrawHead(canvas, columns, y, rowHeight);
    for (const NoticeRow& row : notice.rows) {
        if (y + rowHeight > bottom) {
            canvas.newPage();
            y = DrawHead(canvas, columns, Margin, rowHeight);
        }
        y = DrawRow(
            canvas, columns, y, rowHeight,
            {row.day.toString(QStringLiteral("dd/MM/yyyy")), row.weekday, row.before, row.after});
    }
    return Outcome::Drawn;
}
