#include "reports/ReportPage.h"

#include "reports/PageCanvas.h"

namespace ReportPage {

double DrawTitle(PageCanvas& canvas, const QString& title)
{
    canvas.setFont(ArialFont(9, false, true));
    canvas.drawText({Margin, Margin}, title);
    return Margin + 2 * canvas.textHeight(title);
}

} // namespace ReportPage
