#pragma once

#include "document/ReportViews.h"
#include "reports/ReportPage.h"

class PageCanvas;

// A participant's duty list on paper: the title, then one line per row in a column centred on
// the page, continued on further pages at the top margin without the title.
ReportPage::Outcome DrawDutyList(PageCanvas& canvas, const QString& title,
                                 const QList<DutyRow>& rows);
