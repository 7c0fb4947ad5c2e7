#include "reports/WorkbookExport.h"

#include "store/DatabaseError.h"
#include "store/DutyHours.h"
#include "store/Roster.h"
#include "store/SafeFile.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <optional>

namespace {

// Excel's standard light grey, colour index 15 of its palette.
constexpr lxw_color_t LightGrey = 0xC0C0C0;
constexpr int ColumnsPerMonth = 3;
// Below the month header and the 31 day rows, the shared intervals begin two rows further.
constexpr lxw_row_t SharedListStart = 33;

lxw_datetime DateCell(QDate day)
{
    return {day.year(), day.month(), day.day(), 0, 0, 0};
}

// The formats of the sheet, made once per workbook.
struct Formats {
    explicit Formats(lxw_workbook* workbook)
        : bold(workbook_add_format(workbook))
        , header(workbook_add_format(workbook))
        , dayNumber(workbook_add_format(workbook))
        , weekendText(workbook_add_format(workbook))
        , weekendNumber(workbook_add_format(workbook))
        , sharedDate(workbook_add_format(workbook))
        , sharedText(workbook_add_format(workbook))
    {
        format_set_bold(bold);
        format_set_bold(header);
        format_set_align(header, LXW_ALIGN_CENTER);
        format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
        format_set_bold(dayNumber);
        format_set_num_format(dayNumber, "dd");
        for (lxw_format* weekend : {weekendText, weekendNumber}) {
            format_set_bold(weekend);
            format_set_underline(weekend, LXW_UNDERLINE_SINGLE);
            format_set_pattern(weekend, LXW_PATTERN_SOLID);
            format_set_bg_color(weekend, LightGrey);
        }
        format_set_num_format(weekendNumber, "dd");
        format_set_bold(sharedDate);
        format_set_align(sharedDate, LXW_ALIGN_RIGHT);
        format_set_num_format(sharedDate, "dd mmm yy");
        // A format of its own: a cell without one takes its column's bold in LibreOffice.
        format_set_align(sharedText, LXW_ALIGN_LEFT);
    }

    lxw_format* bold;
    lxw_format* header;
    lxw_format* dayNumber;
    lxw_format* weekendText;
    lxw_format* weekendNumber;
    lxw_format* sharedDate;
    lxw_format* sharedText;
};

// Every call of the library reports its error; the first one is kept.
class SheetWriter {
public:
    explicit SheetWriter(lxw_worksheet* sheet)
        : sheet_(sheet)
    {
    }

    void check(lxw_error error)
    {
        if (error_ == LXW_NO_ERROR)
            error_ = error;
    }
    void text(lxw_row_t row, lxw_col_t column, const QString& value, lxw_format* format)
    {
        check(worksheet_write_string(sheet_, row, column, value.toUtf8().constData(), format));
    }
    void date(lxw_row_t row, lxw_col_t column, QDate day, lxw_format* format)
    {
        lxw_datetime cell = DateCell(day);
        check(worksheet_write_datetime(sheet_, row, column, &cell, format));
    }

    lxw_worksheet* sheet() const { return sheet_; }
    bool failed() const { return error_ != LXW_NO_ERROR; }

private:
    lxw_worksheet* sheet_;
    lxw_error error_ = LXW_NO_ERROR;
};

void WriteMonthBlocks(SheetWriter& writer, const Formats& formats)
{
    const QLocale french(QLocale::French);
    writer.check(worksheet_set_row(writer.sheet(), 0, 18, nullptr));
    for (int month = 1; month <= 12; ++month) {
        const auto first = static_cast<lxw_col_t>(ColumnsPerMonth * (month - 1));
        writer.check(worksheet_set_column(writer.sheet(), first, first, 1.5, formats.bold));
        writer.check(worksheet_set_column(writer.sheet(), first + 1, first + 1, 2, formats.bold));
        writer.check(worksheet_set_column(writer.sheet(), first + 2, first + 2, 16, nullptr));
        const QByteArray name = french.standaloneMonthName(month).toUpper().toUtf8();
        writer.check(worksheet_merge_range(writer.sheet(), 0, first, 0, first + 2, name.constData(),
                                           formats.header));
    }
}

void WriteDays(SheetWriter& writer, const Formats& formats, const Roster& roster,
               const std::function<void(int)>& progress)
{
    const QLocale french(QLocale::French);
    for (const RosterDay& day : roster.days()) {
        if (day.date.year() != roster.year())
            continue;
        progress(day.date.dayOfYear());
        const auto row = static_cast<lxw_row_t>(day.date.day());
        const auto first = static_cast<lxw_col_t>(ColumnsPerMonth * (day.date.month() - 1));
        const bool weekend = static_cast<int>(day.type) > 0;
        // A cell's own format hides its column's: the bold of the first two is written again.
        writer.text(row, first, french.dayName(day.date.dayOfWeek()).left(1).toUpper(),
                    weekend ? formats.weekendText : formats.bold);
        writer.date(row, first + 1, day.date, weekend ? formats.weekendNumber : formats.dayNumber);
        writer.text(row, first + 2, day.doctor, weekend ? formats.weekendText : nullptr);
    }
}

// The date once per day, bold and right-aligned, then its intervals on the rows below.
void WriteSharedList(SheetWriter& writer, const Formats& formats, const Roster& roster)
{
    Statement intervals = roster.database().prepare(
        R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] ORDER BY [Jour], [HDébut])");
    lxw_row_t row = SharedListStart;
    QDate previous;
    while (intervals.step()) {
        const QDate day = intervals.date(0);
        if (day != previous) {
            row += 2;
            writer.date(row - 1, 2, day, formats.sharedDate);
        } else {
            ++row;
        }
        previous = day;
        writer.text(row - 1, 4,
                    QStringLiteral("De %1 à %2")
                        .arg(HoursToText(intervals.real(2)), HoursToText(intervals.real(3))),
                    formats.sharedText);
        writer.text(row - 1, 6, intervals.text(1), formats.sharedText);
    }
}

// Printed as the year table is: landscape, six whole months on each page, the list of the
// shared intervals on pages of its own.
void SetUpPages(SheetWriter& writer)
{
    lxw_worksheet* sheet = writer.sheet();
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9); // A4
    worksheet_set_margins(sheet, 0.4, 0.4, 0.4, 0.4);
    // Six months of 19.5 characters are some 900 points wide; the page has 784.
    worksheet_set_print_scale(sheet, 85);
    lxw_col_t halfYear[] = {ColumnsPerMonth * 6, 0};
    writer.check(worksheet_set_v_pagebreaks(sheet, halfYear));
    lxw_row_t belowTheDays[] = {SharedListStart, 0};
    writer.check(worksheet_set_h_pagebreaks(sheet, belowTheDays));
}

// The workbook written by the library into a file of the temporary folder, then read back.
std::optional<QByteArray> MakeWorkbook(const Roster& roster, const QString& yearText,
                                       const std::function<void(int dayOfYear)>& progress)
{
    // The library writes only to a file it names itself: a private one, removed afterwards.
    QTemporaryFile made(QDir::temp().filePath(QStringLiteral("GardesXXXXXX.xlsx")));
    if (!made.open())
        return std::nullopt;
    const QByteArray madePath = QFile::encodeName(made.fileName());
    lxw_workbook* workbook = workbook_new(madePath.constData());
    if (!workbook)
        return std::nullopt;
    lxw_doc_properties properties{};
    char title[] = "Gardes";
    properties.title = title;
    const QByteArray sheetName = (QStringLiteral("Gardes ") + yearText).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.constData());
    bool failed = !sheet || workbook_set_properties(workbook, &properties) != LXW_NO_ERROR;
    if (sheet) {
        const Formats formats(workbook);
        SheetWriter writer(sheet);
        try {
            WriteMonthBlocks(writer, formats);
            WriteDays(writer, formats, roster, progress);
            WriteSharedList(writer, formats, roster);
            SetUpPages(writer);
        } catch (const DatabaseError&) {
            failed = true;
        }
        failed = failed || writer.failed();
    }
    // Closing writes the file, and frees the workbook whatever happened before.
    failed = workbook_close(workbook) != LXW_NO_ERROR || failed;
    QFile written(made.fileName());
    if (failed || !written.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = written.readAll();
    if (content.isEmpty() || written.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

} // namespace

WorkbookWrite WriteWorkbook(const Roster& roster, const QString& yearText, const QString& path,
                            const std::function<void(int dayOfYear)>& progress)
{
    SafeFile target(path);
    if (!target.open())
        return WorkbookWrite::CannotStart;
    const std::optional<QByteArray> content = MakeWorkbook(roster, yearText, progress);
    return content && target.write(*content) == content->size() && target.commit()
               ? WorkbookWrite::Written
               : WorkbookWrite::Failed;
}
