#include "roster_window/GridDisplayEntries.h"

#include "roster_window/RosterGrid.h"
#include "store/Settings.h"

#include <QActionGroup>
#include <QMenu>

#include <array>

namespace {

void AddMonthEntries(QMenu& menu, RosterGrid& grid)
{
    // In the order of YearGrid::Span.
    const std::array<QString, 3> texts{QStringLiteral("Année &entière"),
                                       QStringLiteral("&1er semestre"),
                                       QStringLiteral("&2e semestre")};
    auto* choices = new QActionGroup(&menu);
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const auto span = static_cast<YearGrid::Span>(index);
        QAction* choice = menu.addAction(texts.at(index), &grid, [&grid, span] {
            grid.showMonths(span);
            Settings().setShownHalfYear(static_cast<int>(span));
        });
        choice->setCheckable(true);
        choices->addAction(choice);
    }
    const auto tick = [choices](YearGrid::Span span) {
        choices->actions().at(static_cast<int>(span))->setChecked(true);
    };
    // The grid also turns to the other half by itself, to show a day the program goes to.
    QObject::connect(&grid, &RosterGrid::monthsShown, choices, tick);
    grid.showMonths(static_cast<YearGrid::Span>(Settings().shownHalfYear()));
    tick(grid.shownMonths());
}

void AddZoomEntries(QMenu& menu, RosterGrid& grid)
{
    menu.addAction(QStringLiteral("Zoom a&vant"), &grid, &RosterGrid::zoomIn)
        ->setShortcuts(QKeySequence::ZoomIn);
    menu.addAction(QStringLiteral("Zoom a&rrière"), &grid, &RosterGrid::zoomOut)
        ->setShortcuts(QKeySequence::ZoomOut);
    menu.addAction(QStringLiteral("&Taille normale"), &grid, &RosterGrid::resetZoom)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

} // namespace

void AddGridDisplayEntries(QMenu& menu, RosterGrid& grid)
{
    menu.addSeparator();
    AddMonthEntries(menu, grid);
    menu.addSeparator();
    AddZoomEntries(menu, grid);
}
