#pragma once

#include <QString>

class PageCanvas;

// What the printed reports share: their margins, and the title that opens their first page.
namespace ReportPage {

// The left and top margin, and where a continued page starts.
inline constexpr double Margin = 850;
// Kept free at the foot of every page, from the bottom of the printable area.
inline constexpr double FootReserve = 1700;

enum class Outcome {
    Drawn,
    // The page is narrower than the report's columns: nothing was drawn.
    PageTooNarrow,
};

// The title underlined in Arial 9 at the top margin, then an empty line; the print position
// (y) below them.
double DrawTitle(PageCanvas& canvas, const QString& title);

} // namespace ReportPage
