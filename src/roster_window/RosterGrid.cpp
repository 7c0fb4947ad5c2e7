#include "roster_window/RosterGrid.h"

#include "roster_window/AlertMark.h"
#include "roster_window/MonthHeaderView.h"
#include "roster_window/YearGrid.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int LabelColumnTwips = 500;
constexpr int DutyColumnTwips = 1500;
constexpr int TwipsPerInch = 1440;
// A narrowed duty column still shows about this many characters of a name.
constexpr int NarrowestDutyCharacters = 8;
// A day dragged within the grid, as ISO text.
const QString DayMimeType = QStringLiteral("application/x-rotalis-day");
// The text shown over a duty cell whether or not it is cut (the intervals of a shared day).
constexpr int TipRole = Qt::UserRole;

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
    setItemDelegate(new AlertMark(this));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    // The widths in twips suit the classic small dialog font; a larger font widens the label
    // column so that the widest label stays whole.
    const int dpi = logicalDpiX();
    cellPadding_ = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    const int labelWidth =
        std::max(LabelColumnTwips * dpi / TwipsPerInch,
                 fontMetrics().horizontalAdvance(QStringLiteral("M 30")) + cellPadding_);
    fullDutyWidth_ = DutyColumnTwips * dpi / TwipsPerInch;
    narrowestDutyWidth_ = std::min(
        fullDutyWidth_, NarrowestDutyCharacters * fontMetrics().averageCharWidth() + cellPadding_);
    for (int column = 0; column < YearGrid::ColumnCount; ++column)
        setColumnWidth(column, YearGrid::IsLabelColumn(column) ? labelWidth : fullDutyWidth_);

    normal_ = {palette().color(QPalette::Base), palette().color(QPalette::Text)};
    header_ = HeaderColours(palette());
    QPalette headerPalette = horizontalHeader()->palette();
    headerPalette.setColor(QPalette::Button, header_.background);
    headerPalette.setColor(QPalette::ButtonText, header_.text);
    horizontalHeader()->setPalette(headerPalette);
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
                // Past December, a wide window's header names no month.
                const int column = horizontalHeader()->logicalIndexAt(pos);
                if (column >= 0)
                    emit contextMenuRequested(0, column, horizontalHeader()->mapToGlobal(pos));
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

QTableWidgetItem* RosterGrid::dutyCell(QDate day) const
{
    return cell(day.day(), YearGrid::LabelColumnOf(day) + 1);
}

void RosterGrid::setDay(QDate day, const QString& duty, const QString& tip)
{
    cell(day.day(), YearGrid::LabelColumnOf(day))->setText(YearGrid::DayLabel(day));
    dutyCell(day)->setText(duty);
    dutyCell(day)->setData(TipRole, tip);
}

void RosterGrid::setAlerts(QDate day, const QStringList& alerts)
{
    if (alerts != this->alerts(day))
        dutyCell(day)->setData(AlertMark::AlertsRole, alerts);
}

QStringList RosterGrid::alerts(QDate day) const
{
    return dutyCell(day)->data(AlertMark::AlertsRole).toStringList();
}

QString RosterGrid::toolTipOf(QDate day) const
{
    return toolTipAt(indexFromItem(dutyCell(day)));
}

QString RosterGrid::toolTipAt(const QModelIndex& index) const
{
    QStringList lines{index.data(TipRole).toString()};
    if (lines.first().isEmpty())
        lines.first() = isCut(index) ? index.data().toString() : QString();
    lines << index.data(AlertMark::AlertsRole).toStringList();
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

void RosterGrid::setHighlighted(QDate day, bool highlighted)
{
    const ColourPair& colours = highlighted ? header_ : normal_;
    const int column = YearGrid::LabelColumnOf(day);
    for (int c : {column, column + 1}) {
        QTableWidgetItem* item = cell(day.day(), c);
        item->setBackground(colours.background);
        item->setForeground(colours.text);
    }
}

bool RosterGrid::isHighlighted(QDate day) const
{
    return cell(day.day(), YearGrid::LabelColumnOf(day))->background().color() ==
           header_.background;
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

void RosterGrid::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey || !currentIndex().isValid()) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const QRect cellRect = visualRect(currentIndex());
    emit contextMenuRequested(currentRow() + 1, currentColumn(),
                              viewport()->mapToGlobal(cellRect.bottomLeft()));
}

void RosterGrid::fitColumnsToWidth()
{
    int labelsWidth = 0;
    for (int column = 0; column < YearGrid::ColumnCount; column += 2)
        labelsWidth += columnWidth(column);
    const int monthCount = YearGrid::ColumnCount / 2;
    const int dutyWidth = std::clamp((viewport()->width() - labelsWidth) / monthCount,
                                     narrowestDutyWidth_, fullDutyWidth_);
    for (int column = 1; column < YearGrid::ColumnCount; column += 2)
        setColumnWidth(column, dutyWidth);
}

bool RosterGrid::isCut(const QModelIndex& index) const
{
    const QString text = index.data().toString();
    return !text.isEmpty() &&
           fontMetrics().horizontalAdvance(text) + cellPadding_ > columnWidth(index.column());
}

bool RosterGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        // The visible width changes with the window and with the vertical scroll bar.
        const bool handled = QTableWidget::viewportEvent(event);
        fitColumnsToWidth();
        return handled;
    }
    if (event->type() != QEvent::ToolTip)
        return QTableWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = index.isValid() ? toolTipAt(index) : QString();
    if (!tip.isEmpty())
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    else
        QToolTip::hideText();
    return true;
}
