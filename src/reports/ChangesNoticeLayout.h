#pragma once

#include "reports/ChangesNotice.h"
#include "reports/ReportPage.h"

class PageCanvas;

// The notice on A4 landscape: the title underlined, the sector and the date it was made, then
// a ruled table of the changed days (Date, Jour, Avant, Après), its head repeated at the top of
// each further page.
ReportPage::Outcome DrawChangesNotice(PageCanvas& canvas, const ChangesNotice& notice);
