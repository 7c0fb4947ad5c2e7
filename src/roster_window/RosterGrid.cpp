#include "RosterGrid.h"

#include "MonthHeaderView.h"
#include "YearGrid.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int LabelColumnTwips = 500;
constexpr int DutyColumnTwips = 1500;
constexpr int TwipsPerInch = 1440;
// A day dragged within the grid, as ISO text.
const QString DayMimeType = QStringLiteral("application/x-rotalis-day");

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
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                emit contextMenuRequested(0, horizontalHeader()->logicalIndexAt(pos),
                                          horizontalHeader()->mapToGlobal(pos));
            });
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
    if (currentRow() < 0)
        return std::nullopt;
    return dayAt(currentRow() + 1, currentColumn());
}

std::optional<QDate> RosterGrid::dayAt(int row, int column) const
{
    if (row < 1 || row >= YearGrid::RowCount || column < 0 || column >= YearGrid::ColumnCount)
        return std::nullopt;
    const int labelColumn = YearGrid::IsLabelColumn(column) ? column : column - 1;
    // A cell holds a day exactly when the label of its pair is written.
    if (cell(row, labelColumn)->text().isEmpty())
        return std::nullopt;
    return YearGrid::DayAt(year_, row, column);
}

void RosterGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (index.isValid())
            emit contextMenuRequested(index.row() + 1, index.column(),
                                      event->globalPosition().toPoint());
        return;
    }
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::ControlModifier ||
        !index.isValid())
        return;
    const std::optional<QDate> day = dayAt(index.row() + 1, index.column());
    if (!day)
        return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(DayMimeType, day->toString(Qt::ISODate).toLatin1());
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void RosterGrid::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this && event->mimeData()->hasFormat(DayMimeType))
        event->acceptProposedAction();
}

void RosterGrid::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this && event->mimeData()->hasFormat(DayMimeType))
        event->acceptProposedAction();
}

void RosterGrid::dropEvent(QDropEvent* event)
{
    if (event->source() != this || !event->mimeData()->hasFormat(DayMimeType))
        return;
    event->acceptProposedAction();
    const QDate source =
        QDate::fromString(QString::fromLatin1(event->mimeData()->data(DayMimeType)), Qt::ISODate);
    const QModelIndex target = indexAt(event->position().toPoint());
    if (source.isValid() && target.isValid())
        emit dayDropped(source, target.row() + 1, target.column());
}
