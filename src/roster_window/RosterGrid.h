#pragma once

#include "roster_window/GridColours.h"
#include "roster_window/YearGrid.h"

#include <QDate>
#include <QTableWidget>
#include <optional>

// flxGarde: the whole year, one row per day of the month and two columns per month (the day
// label, then who is on duty). Cells of dates that do not exist stay empty. When the window is
// too narrow for the months shown the duty columns narrow, down to about eight characters.
// The grid shows the whole year or one half of it, zoomed with Ctrl and the wheel or by the
// window's menu.
class RosterGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit RosterGrid(QWidget* parent);

    void setYear(int year);
    int year() const { return year_; }

    // Writes a day's label and duty text.
    // The tip, when given, is shown over the day's duty whether or not its text is cut.
    void setDay(QDate day, const QString& duty, const QString& tip = {});
    // The rules the day breaks: its duty cell carries a mark, and its tip says them.
    void setAlerts(QDate day, const QStringList& alerts);
    QStringList alerts(QDate day) const;
    // What shows over a day's duty cell: its tip, or its text when cut, then its alerts.
    QString toolTipOf(QDate day) const;
    // Normal colours, or the header colours for a highlighted day, on both of its cells.
    void setHighlighted(QDate day, bool highlighted);
    // A day kept as it is shows its duty in italics.
    void setKept(QDate day, bool kept);
    bool isKept(QDate day) const;
    bool isHighlighted(QDate day) const;

    // Grid coordinates: row 0 is the month names, row r the days r.
    QString cellText(int row, int column) const;
    void setCurrentGridCell(int row, int column);

    // The day of the current cell; empty when the cell holds no day.
    std::optional<QDate> currentDay() const;
    // The day shown in a cell (row 0 is the month names); empty when the cell holds no day.
    std::optional<QDate> dayAt(int row, int column) const;

    // The months shown. A current cell left in hidden months moves to the 1st of the first
    // month shown; a cell of hidden months made current shows its half.
    void showMonths(YearGrid::Span span);
    YearGrid::Span shownMonths() const { return span_; }
    // Makes the 1st of the first month shown current.
    void goToFirstShownDay();

    // The zoom in percent of the normal size, which the font, the row heights and the column
    // widths follow: from 60 to 200, by the steps of a web browser.
    int zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();
    void resetZoom();

signals:
    void currentDayChanged();
    void monthsShown(YearGrid::Span span);
    // The right button was pressed on a cell, or on a month's name (row 0), or the menu key
    // (Shift+F10) on the current cell.
    void contextMenuRequested(int row, int column, const QPoint& globalPos);
    // A day dragged with Ctrl was dropped on a cell.
    void dayDropped(QDate source, int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column) const;
    void setZoom(int zoom);
    // The row heights, the label columns' width and the duty columns' bounds for the zoom.
    void sizeCells();
    void fitColumnsToWidth();
    QTableWidgetItem* dutyCell(QDate day) const;
    // Whether a cell's text is wider than its column shows.
    bool isCut(const QModelIndex& index) const;
    QString toolTipAt(const QModelIndex& index) const;

    int year_ = 0;
    ColourPair normal_;
    ColourPair header_;
    QFont normalFont_;
    int zoom_ = 100;
    // The part of a wheel notch turned with Ctrl that has not zoomed yet.
    int wheelDelta_ = 0;
    YearGrid::Span span_ = YearGrid::Span::WholeYear;
    int cellPadding_ = 0;
    int fullDutyWidth_ = 0;
    int narrowestDutyWidth_ = 0;
    int widestDutyWidth_ = 0;
};
