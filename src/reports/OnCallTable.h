#pragma once

#include "document/ReportViews.h"
#include "store/Calendar.h"

#include <QDate>
#include <QList>
#include <QString>

class PageCanvas;
class Roster;

// A row of the monthly on-call table: a day held outright, or an interval of a shared day.
struct OnCallRow {
    // The participant's full name, or his name when he has none.
    QString name;
    QString identification;
    // The street address, the postal code and the town.
    QString address;
    QDate day;
    // "de 20:00 à 08:00" for an interval; empty for a whole day.
    QString hours;
    DayType type;
};

// The rows of a month, in date order: one per interval of a shared day, by starting hour, one
// per day held outright, none for a day held by nobody. A name with no participant's row is
// printed as stored, without identification or address. Throws DatabaseError.
QList<OnCallRow> OnCallRows(const Roster& roster, int month);

// "Tableau des astreintes de JANVIER 2012 - Ubaye".
QString OnCallHead(int month, const QString& yearText, const QString& sector);

// A month of the table: the head of its pages, and its rows.
struct OnCallMonth {
    QString head;
    QList<OnCallRow> rows;
};

// What a print of the table holds: the print job's title, and its months in order.
struct OnCallTable {
    QString title;
    QList<OnCallMonth> months;
};

// The table of the month asked (1 to 12), titled with its head; or, for
// OnCallRequest::WholeYear, the twelve months titled "Tableau des astreintes de l'année 2012 -
// Ubaye". Throws DatabaseError.
OnCallTable ReadOnCallTable(const Roster& roster, int month, const QString& yearText,
                            const QString& sector);

// The months on A4 landscape pages, each starting a page of its own: its head and the three
// headings, a ruled row of two lines per table row, a new page with its head again once the rows
// pass the bottom limit, and the grid ruled down to the foot of every page.
void DrawOnCallTable(PageCanvas& canvas, const QList<OnCallMonth>& months);
