#include "reports/OnCallTable.h"

#include "reports/PageCanvas.h"
#include "store/DutyHours.h"
#include "store/Roster.h"

#include <QLocale>

#include <array>

namespace {

struct Column {
    const char* heading;
    double left;
    double width;
};
constexpr std::array<Column, 3> Columns = {
    {{"MEDECIN", 810, 10092}, {"PERIODE", 10902, 2835}, {"TYPE", 13737, 2268}}};
constexpr double Right = 16029;
constexpr double HeadTop = 810;
// Rows start while the print position is at most here; the grid ends just below.
constexpr double RowLimit = 11090;
constexpr double GridFoot = 11097;
constexpr double NameX = 810;
constexpr double IdentificationX = 8181;
constexpr double AddressX = 1377;
constexpr double DateX = 10910;
constexpr double HoursX = 11190;
constexpr double TypeX = 13745;

QString TypeText(DayType type)
{
    switch (type) {
    case DayType::Weekday:
        return QStringLiteral("Semaine");
    case DayType::Saturday:
        return QStringLiteral("Samedi");
    case DayType::SundayOrHoliday:
        return QStringLiteral("Dimanche et férié");
    }
    return {};
}

OnCallRow RowFor(const Roster& roster, const QString& doctor, QDate day, const QString& hours,
                 DayType type)
{
    const std::optional<AdministrativeData> data = roster.administrativeDataOf(doctor);
    if (!data)
        return {doctor, {}, {}, day, hours, type};
    return {data->displayedName(),
            data->identification,
            data->address + QLatin1Char(' ') + data->postalTown(),
            day,
            hours,
            type};
}

// Where the rows of a page start, below the head and the headings.
struct PageTop {
    double table;
    double rows;
};

PageTop DrawHead(PageCanvas& canvas, const QString& head)
{
    canvas.setFont(ArialFont(10, true));
    canvas.drawText({NameX, HeadTop}, head);
    const double table = HeadTop + canvas.textHeight(head);
    for (const Column& column : Columns) {
        const QString heading = QString::fromLatin1(column.heading);
        canvas.drawText({column.left + (column.width - canvas.textWidth(heading)) / 2, table},
                        heading);
    }
    // The headings' line is bold; bold goes off after it.
    const double rows = table + canvas.textHeight(head);
    canvas.setFont(ArialFont(10));
    return {table, rows};
}

void RulePage(PageCanvas& canvas, const PageTop& top, double rowHeight)
{
    canvas.drawLine({Columns[0].left, top.table}, {Right, top.table});
    for (double y = top.rows; y <= RowLimit; y += rowHeight)
        canvas.drawLine({Columns[0].left, y}, {Right, y});
    canvas.drawLine({Columns[0].left, GridFoot}, {Right, GridFoot});
    for (const double x : {Columns[0].left, Columns[1].left, Columns[2].left, Right})
        canvas.drawLine({x, top.table}, {x, GridFoot});
}

// A row's two lines: the name's, bold, and the address's.
struct RowLines {
    double bold;
    double regular;
    double row() const { return bold + regular; }
};

void DrawRow(PageCanvas& canvas, const OnCallRow& row, double y, double regularLine)
{
    canvas.setFont(ArialFont(10, true));
    canvas.drawText({NameX, y}, row.name);
    canvas.setFont(ArialFont(10));
    canvas.drawText({IdentificationX, y}, row.identification);
    canvas.drawText({AddressX, y + regularLine}, row.address);
    canvas.drawText({DateX, y},
                    QLocale(QLocale::French).toString(row.day, QStringLiteral("dddd dd MMMM")));
    if (!row.hours.isEmpty())
        canvas.drawText({HoursX, y + regularLine}, row.hours);
    canvas.drawText({TypeX, y}, TypeText(row.type));
}

void DrawMonth(PageCanvas& canvas, const OnCallMonth& month, const RowLines& lines)
{
    PageTop top = DrawHead(canvas, month.head);
    double y = top.rows;
    for (const OnCallRow& row : month.rows) {
        // A row that would pass the grid's foot goes to the next page, as one starting below
        // the last row rule does: its second line would cross the foot.
        if (y > RowLimit || y + lines.row() > GridFoot) {
            RulePage(canvas, top, lines.row());
            canvas.newPage();
            top = DrawHead(canvas, month.head);
            y = top.rows;
        }
        DrawRow(canvas, row, y, lines.regular);
        y += lines.row();
    }
    RulePage(canvas, top, lines.row());
}

} // namespace

QList<OnCallRow> OnCallRows(const Roster& roster, int month)
{
    QList<OnCallRow> rows;
    for (const RosterDay& day : roster.days()) {
        if (day.date.month() != month || day.date.year() != roster.year())
            continue;
        if (day.doctor == SharedDutyMarker) {
            for (const SharedInterval& interval : roster.intervals(day.date))
                rows.append(RowFor(roster, interval.doctor, day.date,
                                   QStringLiteral("de %1 à %2")
                                       .arg(HoursToText(interval.start), HoursToText(interval.end)),
                                   day.type));
        } else if (!day.doctor.isEmpty()) {
            rows.append(RowFor(roster, day.doctor, day.date, {}, day.type));
        }
    }
    return rows;
}

QString OnCallHead(int month, const QString& yearText, const QString& sector)
{
    return QStringLiteral("Tableau des astreintes de %1 %2 - %3")
        .arg(QLocale(QLocale::French).monthName(month).toUpper(), yearText, sector);
}

OnCallTable ReadOnCallTable(const Roster& roster, int month, const QString& yearText,
                            const QString& sector)
{
    if (month != OnCallRequest::WholeYear) {
        const QString head = OnCallHead(month, yearText, sector);
        return {head, {{head, OnCallRows(roster, month)}}};
    }
    OnCallTable table{
        QStringLiteral("Tableau des astreintes de l'année %1 - %2").arg(yearText, sector), {}};
    for (int each = 1; each <= 12; ++each)
        table.months.append({OnCallHead(each, yearText, sector), OnCallRows(roster, each)});
    return table;
}

void DrawOnCallTable(PageCanvas& canvas, const QList<OnCallMonth>& months)
{
    canvas.setLandscape(true);
    canvas.setTextColour(Qt::black);
    canvas.setFont(ArialFont(10, true));
    const double boldLine = canvas.textHeight(QStringLiteral("Hauteur d'une ligne en gras"));
    canvas.setFont(ArialFont(10));
    const RowLines lines{boldLine, canvas.textHeight(QStringLiteral("Hauteur d'une ligne"))};
    for (qsizetype index = 0; index < months.size(); ++index) {
        // Each month prints the pages it prints alone: the pages can be handed out by month.
        if (index > 0)
            canvas.newPage();
        DrawMonth(canvas, months.at(index), lines);
    }
}
