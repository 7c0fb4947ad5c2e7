#pragma once

#include "document/ReportViews.h"
#include "reports/ReportPage.h"

#include <functional>

class Interaction;
class PageCanvas;
struct OnCallTable;
struct RosterTable;

// Draws a report's pages on a canvas.
using PageDrawing = std::function<ReportPage::Outcome(PageCanvas&)>;

// The buttons of a report window, over the same drawing: print after the printer set-up,
// preview on screen, save as a PDF file (proposed in the documents folder under the report's
// title). A cancelled dialog does nothing; every failure is told to the user.
PrintCommands MakePrintCommands(Interaction& ui, const QString& title, const PageDrawing& draw);

// "&Imprimer le tableau de garde": the pages chosen in frmImpressionGarde, printed on A4
// landscape with the copies asked, or previewed, or saved as a PDF file.
void PrintRosterTable(Interaction& ui, const RosterTable& table);

// The monthly on-call table of the month asked, or of the whole year, A4 landscape.
void PrintOnCallTable(Interaction& ui, const OnCallRequest& request, const OnCallTable& table);
