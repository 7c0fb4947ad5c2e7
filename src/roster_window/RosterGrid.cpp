#include "roster_window/RosterGrid.h"

#include "roster_window/AlertMark.h"
#include "roster_window/MonthHeaderView.h"
#include "roster_window/YearGrid.h"
#include "store/Twips.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace {

constexpr int LabelColumnTwips = 500;
constexpr int DutyColumnTwips = 1500;
// A narrowed duty column still shows about this many characters of a name.
constexpr int NarrowestDutyCharacters = 8;
// A half year's duty columns widen up to about this many characters, a long name.
constexpr int WidestDutyCharacters = 24;
// The zooms offered, in percent of the normal size.
constexpr std::array<int, 10> ZoomSteps{60, 70, 80, 90, 100, 110, 125, 150, 175, 200};
constexpr int NormalZoom = 100;
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
    normalFont_ = font();
    cellPadding_ = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    // Rows as low as a small zoom's font.
    verticalHeader()->setMinimumSectionSize(1);
    sizeCells();
    for (int column = 1; column < YearGrid::ColumnCount; column += 2)
        setColumnWidth(column, fullDutyWidth_);

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
    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int column) {
        // The program going to a day of hidden months (an alert's day, say) shows its half.
        if (column >= 0 && isColumnHidden(column))
            showMonths(YearGrid::HalfOf(YearGrid::MonthOfColumn(column)));
        emit currentDayChanged();
    });
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

void RosterGrid::setKept(QDate day, bool kept)
{
    QFont font = dutyCell(day)->font();
    font.setItalic(kept);
    dutyCell(day)->setFont(font);
}

bool RosterGrid::isKept(QDate day) const
{
    return dutyCell(day)->font().italic();
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

void RosterGrid::sizeCells()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The widths in twips suit the classic small dialog font; a larger font widens the label
    // column so that the widest label stays whole.
    const int dpi = logicalDpiX() * zoom_ / NormalZoom;
    const int labelWidth =
        std::max(static_cast<int>(LabelColumnTwips * dpi / TwipsPerInch),
                 fontMetrics().horizontalAdvance(QStringLiteral("M 30")) + cellPadding_);
    for (int column = 0; column < YearGrid::ColumnCount; column += 2)
        setColumnWidth(column, labelWidth);
    const int characterWidth = fontMetrics().averageCharWidth();
    fullDutyWidth_ = static_cast<int>(DutyColumnTwips * dpi / TwipsPerInch);
    narrowestDutyWidth_ =
        std::min(fullDutyWidth_, NarrowestDutyCharacters * characterWidth + cellPadding_);
    widestDutyWidth_ =
        std::max(fullDutyWidth_, WidestDutyCharacters * characterWidth + cellPadding_);
}

void RosterGrid::fitColumnsToWidth()
{
    int labelsWidth = 0;
    int monthCount = 0;
    for (int column = 0; column < YearGrid::ColumnCount; column += 2) {
        if (!isColumnHidden(column)) {
            labelsWidth += columnWidth(column);
            ++monthCount;
        }
    }
    // A half year's duty columns take the width of the hidden months, so that names read
    // whole on a small screen.
    const int widest = span_ == YearGrid::Span::WholeYear ? fullDutyWidth_ : widestDutyWidth_;
    const int dutyWidth =
        std::clamp((viewport()->width() - labelsWidth) / monthCount, narrowestDutyWidth_, widest);
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

void RosterGrid::showMonths(YearGrid::Span span)
{
    if (span == span_)
        return;
    span_ = span;
    for (int column = 0; column < YearGrid::ColumnCount; ++column)
        setColumnHidden(column, !YearGrid::Shows(span, YearGrid::MonthOfColumn(column)));
    fitColumnsToWidth();
    if (currentIndex().isValid() && isColumnHidden(currentColumn()))
        goToFirstShownDay();
    else
        scrollTo(currentIndex());
    emit monthsShown(span);
}

void RosterGrid::goToFirstShownDay()
{
    setCurrentGridCell(1, YearGrid::FirstColumn(span_));
}

void RosterGrid::zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    setZoom(next == ZoomSteps.end() ? ZoomSteps.back() : *next);
}

void RosterGrid::zoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    setZoom(next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1));
}

void RosterGrid::resetZoom()
{
    setZoom(NormalZoom);
}

void RosterGrid::setZoom(int zoom)
{
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    QFont zoomed = normalFont_;
    zoomed.setPointSizeF(normalFont_.pointSizeF() * zoom / NormalZoom);
    setFont(zoomed);
    sizeCells();
    fitColumnsToWidth();
    scrollTo(currentIndex());
}

void RosterGrid::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier) {
        QTableWidget::wheelEvent(event);
        return;
    }
    event->accept();
    // A fine wheel or a touchpad turns by parts of a notch: one zoom step per whole notch.
    wheelDelta_ += event->angleDelta().y();
    for (; wheelDelta_ >= QWheelEvent::DefaultDeltasPerStep;
         wheelDelta_ -= QWheelEvent::DefaultDeltasPerStep)
        zoomIn();
    for (; wheelDelta_ <= -QWheelEvent::DefaultDeltasPerStep;
         wheelDelta_ += QWheelEvent::DefaultDeltasPerStep)
        zoomOut();
}
