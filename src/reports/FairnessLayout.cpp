#include "reports/FairnessLayout.h"

#include "reports/Fairness.h"
#include "reports/PageCanvas.h"

#include <algorithm>
#include <array>
#include <functional>

using namespace ReportPage;

namespace {

using Cells = std::array<QString, FairnessColumnCount>;

constexpr double ColumnGap = 150;
// Kept for the names at least, about fifteen letters.
constexpr double NameReserve = 1500;

QString WeightsText(const FairnessWeights& weights)
{
    return QStringLiteral("Points par garde : jour de semaine %1 ; samedi %2 ; dimanche ou "
                          "férié %3.")
        .arg(FairnessNumber(weights[0]), FairnessNumber(weights[1]), FairnessNumber(weights[2]));
}

// Each column as wide as its heading and its widest cell.
std::array<double, FairnessColumnCount> ColumnWidths(PageCanvas& canvas, const FairnessTable& table)
{
    std::array<double, FairnessColumnCount> widths{};
    const auto widen = [&](const Cells& cells) {
        for (int column = 0; column < FairnessColumnCount; ++column)
            widths[column] = std::max(widths[column], canvas.textWidth(cells[column]));
    };
    canvas.setFont(ArialFont(9, true));
    widen(FairnessHeadings());
    canvas.setFont(ArialFont(9));
    for (const FairnessRotation& rotation : table.rotations) {
        widen(MeanCells(rotation));
        for (const FairnessLine& line : rotation.lines)
            widen(FairnessCells(line));
    }
    return widths;
}

// Where the pages are drawn: the columns' places, and the print position.
class FairnessPage {
public:
    FairnessPage(PageCanvas& canvas, const FairnessTable& table)
        : canvas_(canvas)
        , lineHeight_(canvas.textHeight(QStringLiteral("Médecin")))
        , bottom_(canvas.pageSize().height() - FootReserve)
        , widths_(ColumnWidths(canvas, table))
    {
        // Aligned on the right edge, as the statistics' columns.
        double start = canvas.pageSize().width() - Margin;
        for (int column = FairnessColumnCount - 1; column >= 0; --column) {
            start -= widths_[column];
            starts_[column] = start;
            start -= ColumnGap;
        }
    }

    bool fits() const { return starts_[0] - ColumnGap - Margin >= NameReserve; }

    void drawText(const QString& text, bool bold = false)
    {
        canvas_.setFont(ArialFont(9, bold));
        canvas_.drawText({Margin, y_}, text);
        y_ += lineHeight_;
    }

    // A line of the table: the name, then each column's text centred, on its colour where the
    // column is marked.
    void drawRow(const QString& name, const Cells& cells, bool bold,
                 const std::function<bool(int column)>& marked = {})
    {
        canvas_.setFont(ArialFont(9, bold));
        canvas_.drawText({Margin, y_}, name);
        for (int column = 0; column < FairnessColumnCount; ++column) {
            if (marked && marked(column))
                canvas_.fillRect(
                    {starts_[column] - ColumnGap / 2, y_, widths_[column] + ColumnGap, lineHeight_},
                    BeyondOneDutyColour);
            const double width = canvas_.textWidth(cells[column]);
            canvas_.drawText({starts_[column] + (widths_[column] - width) / 2, y_}, cells[column]);
        }
        y_ += lineHeight_;
    }

    void skipLine() { y_ += lineHeight_; }
    void moveTo(double y) { y_ = y; }
    // A new page when the lines given would not end above the foot of this one.
    void keepRoom(int lines)
    {
        if (y_ + lines * lineHeight_ > bottom_) {
            canvas_.newPage();
            y_ = Margin;
        }
    }

private:
    PageCanvas& canvas_;
    double lineHeight_;
    double bottom_;
    std::array<double, FairnessColumnCount> widths_;
    std::array<double, FairnessColumnCount> starts_{};
    double y_ = Margin;
};

void DrawRotation(FairnessPage& page, const FairnessRotation& rotation)
{
    // The heading stays with the column headings and a first line.
    page.keepRoom(3);
    page.drawText(rotation.heading, true);
    page.drawRow(QStringLiteral("Médecin"), FairnessHeadings(), true);
    for (const FairnessLine& line : rotation.lines) {
        page.keepRoom(1);
        page.drawRow(line.doctor, FairnessCells(line), false,
                     [&line](int column) { return IsBeyondOneDuty(line, column); });
    }
    page.keepRoom(1);
    page.drawRow(QStringLiteral("Moyenne"), MeanCells(rotation), false);
    page.skipLine();
}

} // namespace

Outcome DrawFairness(PageCanvas& canvas, const QString& title, const FairnessTable& table)
{
    canvas.setFont(ArialFont(9));
    FairnessPage page(canvas, table);
    if (!page.fits())
        return Outcome::PageTooNarrow;
    page.moveTo(DrawTitle(canvas, title));
    page.drawText(WeightsText(table.weights));
    page.drawText(QStringLiteral("Fin d'année : 24, 25 et 31 décembre, 1er janvier."));
    page.drawText(QStringLiteral("Entre parenthèses, l'écart à la moyenne ; sur fond coloré, "
                                 "un écart de plus d'une garde."));
    page.skipLine();
    for (const FairnessRotation& rotation : table.rotations)
        DrawRotation(page, rotation);
    return Outcome::Drawn;
}
