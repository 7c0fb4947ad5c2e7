#pragma once

#include "document/ReportViews.h"
#include "reports/ReportPage.h"

#include <QColor>

class PageCanvas;

// Behind a participant's days that lie more than one duty from his rotation's mean, on screen
// and on paper; light enough for the text to stay legible in grey.
inline const QColor BeyondOneDutyColour(0xFF, 0xD8, 0xA8);

// The fairness table on paper: the title, the weights and a key, then each rotation under its
// heading with the column headings, a line per participant and the means, continued on further
// pages at the top margin.
ReportPage::Outcome DrawFairness(PageCanvas& canvas, const QString& title,
                                 const FairnessTable& table);
