#include "reports/RosterTableLayout.h"

#include "reports/PageCanvas.h"
#include "store/DutyHours.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr int MonthsPerPage = 6;
// A month's name, a free row, and up to 31 days.
constexpr int RowsPerPage = 33;
constexpr double NameWidth = 1758;
constexpr double RowGap = 5;
constexpr double TitleTop = 810;
constexpr double RowMargin = 15;
constexpr double FieldGap = 133;
// The shared list's left edge, first line and bottom reserve.
constexpr double ListLeft = 1120;
constexpr double ListTop = 1700;
constexpr double ListFootReserve = 2820;
constexpr double SampleMargin = 60;

struct TableMetrics {
    double rowHeight;
    double letterWidth;
    double numberWidth;
    double columnWidth;
};

TableMetrics Measure(PageCanvas& canvas)
{
    canvas.setFont(ArialFont(10, true));
    const double letter = canvas.textWidth(QStringLiteral("M"));
    const double number = canvas.textWidth(QStringLiteral("29"));
    return {canvas.textHeight(QStringLiteral("Dr Exemple")), letter, number,
            letter + number + NameWidth + 296};
}

// One day's row: its fill, its initial, its number right-aligned, and who is on duty, cut at a
// line break and shortened from the right until it fits its column.
void DrawRow(PageCanvas& canvas, const TableMetrics& metrics, QPointF at, const QString& letter,
             int day, const QString& doctor, bool weekend, const PrintColours& colours)
{
    if (!(weekend ? colours.transparentWeekend : colours.transparentWeek))
        canvas.fillRect({at.x(), at.y(), metrics.columnWidth, metrics.rowHeight + RowGap},
                        weekend ? colours.weekendBackground : colours.weekBackground);
    canvas.setTextColour(weekend ? colours.weekendText : colours.weekText);
    canvas.setFont(ArialFont(10, true));
    const double letterX = at.x() + RowMargin;
    canvas.drawText({letterX, at.y()}, letter);
    const double numberX = letterX + metrics.letterWidth + FieldGap;
    const QString number = QString::number(day);
    canvas.drawText({numberX + metrics.numberWidth - canvas.textWidth(number), at.y()}, number);
    canvas.setFont(ArialFont(10, weekend));
    QString name = doctor;
    for (const QChar lineBreak : {QLatin1Char('\r'), QLatin1Char('\n')})
        name.truncate(name.indexOf(lineBreak) < 0 ? name.size() : name.indexOf(lineBreak));
    while (!name.isEmpty() && canvas.textWidth(name) > NameWidth)
        name.chop(1);
    canvas.drawText({numberX + metrics.numberWidth + FieldGap, at.y()}, name);
}

// A month's name, bold and black, centred over its column.
void DrawMonthName(PageCanvas& canvas, const TableMetrics& metrics, QPointF at, const QString& name)
{
    canvas.setFont(ArialFont(10, true));
    canvas.setTextColour(Qt::black);
    canvas.drawText({at.x() + (metrics.columnWidth - canvas.textWidth(name)) / 2, at.y()}, name);
}

QString Title(const RosterTable& table)
{
    return QStringLiteral("Garde médicale %1 - %2").arg(table.yearText, table.sector);
}

void DrawHalfYear(PageCanvas& canvas, const RosterTable& table, bool second,
                  const PrintColours& colours)
{
    const TableMetrics metrics = Measure(canvas);
    const QSizeF page = canvas.pageSize();
    // The difference in whole twips, halves to even, then halved toward zero, as a printer's
    // print position counts.
    const double left = static_cast<double>(
        static_cast<long>(std::nearbyint(page.width() - MonthsPerPage * metrics.columnWidth)) / 2);
    const double top = (page.height() - RowsPerPage * (metrics.rowHeight + RowGap)) / 2;
    canvas.setFont(ArialFont(14, true));
    canvas.setTextColour(Qt::black);
    canvas.drawText({left, TitleTop}, Title(table));
    const QLocale french(QLocale::French);
    QString initials[8];
    for (int weekday = 1; weekday <= 7; ++weekday)
        initials[weekday] = french.dayName(weekday, QLocale::ShortFormat).left(1).toUpper();
    const int firstMonth = second ? 7 : 1;
    for (const RosterDay& day : table.days) {
        const int column = day.date.month() - firstMonth;
        if (column < 0 || column >= MonthsPerPage)
            continue;
        const double x = left + column * metrics.columnWidth;
        if (day.date.day() == 1)
            DrawMonthName(canvas, metrics, {x, top}, french.monthName(day.date.month()));
        const double y = (day.date.day() + 1) * (metrics.rowHeight + RowGap) + top;
        DrawRow(canvas, metrics, {x, y}, initials[day.date.dayOfWeek()], day.date.day(), day.doctor,
                day.type != DayType::Weekday, colours);
    }
}

void DrawListHead(PageCanvas& canvas, const RosterTable& table)
{
    canvas.setFont(ArialFont(12, true));
    canvas.setTextColour(Qt::black);
    canvas.drawText({ListLeft, TitleTop}, Title(table));
    canvas.setFont(ArialFont(10));
}

void DrawSharedList(PageCanvas& canvas, const RosterTable& table, const TableMetrics& metrics)
{
    canvas.setFont(ArialFont(10));
    const double nameLeft =
        1253 + canvas.textWidth(QStringLiteral("dimanche 29 septembre de 24:00 à 24:00"));
    const double bottom = canvas.pageSize().height() - ListFootReserve;
    const QLocale french(QLocale::French);
    DrawListHead(canvas, table);
    double y = ListTop;
    for (const auto& [day, interval] : table.intervals) {
        if (y + metrics.rowHeight > bottom) {
            canvas.newPage();
            DrawListHead(canvas, table);
            y = ListTop;
        }
        canvas.drawText({ListLeft, y},
                        french.toString(day, QStringLiteral("dddd dd MMMM")) +
                            QStringLiteral(" de %1 à %2")
                                .arg(HoursToText(interval.start), HoursToText(interval.end)));
        canvas.drawText({nameLeft, y}, interval.doctor);
        y += canvas.textHeight(interval.doctor);
    }
}

} // namespace

void DrawRosterTable(PageCanvas& canvas, const RosterTable& table, const TablePages& pages,
                     const PrintColours& colours)
{
    bool drawn = false;
    // A page is turned only between two pages drawn.
    const auto startPage = [&] {
        if (drawn)
            canvas.newPage();
        drawn = true;
    };
    canvas.setLandscape(true);
    for (const bool second : {false, true}) {
        if (!(second ? pages.secondHalf : pages.firstHalf))
            continue;
        startPage();
        DrawHalfYear(canvas, table, second, colours);
    }
    if (!pages.sharedList || table.intervals.isEmpty())
        return;
    const TableMetrics metrics = Measure(canvas);
    canvas.setLandscape(false);
    startPage();
    DrawSharedList(canvas, table, metrics);
}

QSizeF ColourSampleSize(PageCanvas& canvas)
{
    const TableMetrics metrics = Measure(canvas);
    return {2 * metrics.columnWidth + 2 * SampleMargin,
            11 * (metrics.rowHeight + RowGap) + 2 * SampleMargin};
}

void DrawColourSample(PageCanvas& canvas, const PrintColours& colours)
{
    struct Month {
        QString name;
        QString letters;
        QList<int> weekendDays;
    };
    const Month months[] = {
        {QStringLiteral("Janvier"), QStringLiteral("MMJVSDLMMJ"), {1, 5, 6}},
        {QStringLiteral("Février"), QStringLiteral("VSDLMMJVSD"), {2, 3, 9, 10}}};
    const TableMetrics metrics = Measure(canvas);
    for (int column = 0; column < 2; ++column) {
        const Month& month = months[column];
        const double x = SampleMargin + column * metrics.columnWidth;
        DrawMonthName(canvas, metrics, {x, SampleMargin}, month.name);
        for (int day = 1; day <= 10; ++day)
            DrawRow(canvas, metrics, {x, SampleMargin + day * (metrics.rowHeight + RowGap)},
                    month.letters.at(day - 1), day, QStringLiteral("Dr Exemple"),
                    month.weekendDays.contains(day), colours);
    }
}
