#include "RosterGrid.h"

#include "MonthHeaderView.h"
#include "YearGrid.h"

#include <algorithm>

namespace {

constexpr int LabelColumnTwips = 500;
constexpr int DutyColumnTwips = 1500;
constexpr int TwipsPerInch = 1440;

} // namespace

RosterGrid::RosterGrid(QWidget* parent)
    : QTableWidget(YearGrid::RowCount - 1, YearGrid::ColumnCount, parent)
{
    setHorizontalHeader(new MonthHeaderView(this));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    // The widths in twips suit the classic small dialog font; a larger font widens the label
    // column so that the widest label stays whole.
    const int dpi = logicalDpiX();
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    const int labelWidth =
        std::max(LabelColumnTwips * dpi / TwipsPerInch,
                 fontMetrics().horizontalAdvance(QStringLiteral("M 30")) + padding);
    const int dutyWidth = DutyColumnTwips * dpi / TwipsPerInch;
    for (int column = 0; column < YearGrid::ColumnCount; ++column)
        setColumnWidth(column, YearGrid::IsLabelColumn(column) ? labelWidth : dutyWidth);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem);
    }
    connect(this, &QTableWidget::currentCellChanged, this, &RosterGrid::currentDayChanged);
}

QTableWidgetItem* RosterGrid::cell(int row, int column) const
{
    return item(row - 1, column);
}

void RosterGrid::setYear(int year)
{
    year_ = year;
}

void RosterGrid::setDay(QDate day, const QString& duty)
{
    const int column = YearGrid::LabelColumnOf(day);
    cell(day.day(), column)->setText(YearGrid::DayLabel(day));
    cell(day.day(), column + 1)->setText(duty);
}

void RosterGrid::setHighlighted(QDate day, bool highlighted)
{
    const QPalette& colours = palette();
    const QBrush background = highlighted ? colours.button() : colours.base();
    const QBrush text = highlighted ? colours.buttonText() : colours.text();
    const int column = YearGrid::LabelColumnOf(day);
    for (int c : {column, column + 1}) {
        QTableWidgetItem* item = cell(day.day(), c);
        item->setBackground(background);
        item->setForeground(text);
    }
}

bool RosterGrid::isHighlighted(QDate day) const
{
    return cell(day.day(), YearGrid::LabelColumnOf(day))->background() == palette().button();
}

QString RosterGrid::cellText(int row, int column) const
{
    if (row == 0)
        return YearGrid::MonthName(YearGrid::MonthOfColumn(column));
    return cell(row, column)->text();
}

void RosterGrid::setCurrentGridCell(int row, int column)
{
    setCurrentCell(row - 1, column);
}

std::optional<QDate> RosterGrid::currentDay() const
{
    if (currentRow() < 0 || currentColumn() < 0)
        return std::nullopt;
    const int row = currentRow() + 1;
    const int column = currentColumn();
    const int labelColumn = YearGrid::IsLabelColumn(column) ? column : column - 1;
    // A cell holds a day exactly when the label of its pair is written.
    if (cell(row, labelColumn)->text().isEmpty())
        return std::nullopt;
    return YearGrid::DayAt(year_, row, column);
}
