#pragma once

#include "document/ReportViews.h"
#include "reports/ReportPage.h"

class PageCanvas;

// The statistics on paper: the title, the heading "Medecins" and the three day-type columns
// aligned on the right edge, then a line per participant, continued on further pages at the
// top margin without a heading.
ReportPage::Outcome DrawStatistics(PageCanvas& canvas, const QString& title,
                                   const QList<StatisticsLine>& lines);
