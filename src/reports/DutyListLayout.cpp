#include "reports/DutyListLayout.h"

#include "reports/DutyList.h"
#include "reports/PageCanvas.h"

#include <cmath>

using namespace ReportPage;

Outcome DrawDutyList(PageCanvas& canvas, const QString& title, const QList<DutyRow>& rows)
{
    canvas.setFont(ArialFont(9));
    // The widest line a row can make.
    const QString sample = QStringLiteral("dimanche 29 septembre de 24:00 à 24:00");
    const double lineHeight = canvas.textHeight(sample);
    // The difference in whole twips, halves to even, then halved toward zero, as a printer's
    // print position counts.
    const long left =
        static_cast<long>(std::nearbyint(canvas.pageSize().width() - canvas.textWidth(sample))) / 2;
    if (left < 0)
        return Outcome::PageTooNarrow;
    const double bottom = canvas.pageSize().height() - FootReserve;

    double y = DrawTitle(canvas, title);
    canvas.setFont(ArialFont(9));
    for (const DutyRow& row : rows) {
        if (y + lineHeight > bottom) {
            canvas.newPage();
            y = Margin;
        }
        canvas.drawText({static_cast<double>(left), y}, DutyPaperText(row));
        y += lineHeight;
    }
    return Outcome::Drawn;
}
