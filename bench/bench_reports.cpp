// The reports of a full year with 12 participants and 40 shared days: the statistics and a
// participant's duty list, each computed and shown in its window, and the duty list written to
// a PDF file. Prints the medians in milliseconds.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "BenchYear.h"
#include "reports/DutyList.h"
#include "reports/DutyListLayout.h"
#include "reports/OnCallTable.h"
#include "reports/PainterCanvas.h"
#include "reports/RosterTable.h"
#include "reports/RosterTableLayout.h"
#include "reports/Statistics.h"
#include "reports/dialogs/DutyListDialog.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "store/ProgramLocale.h"
#include "store/Roster.h"

#include "store/SafeFile.h"
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

// Counts what a layout draws, on A4.
class CountingCanvas : public PageCanvas {
public:
    QSizeF pageSize() const override
    {
        return landscape_ ? QSizeF(16838, 11906) : QSizeF(11906, 16838);
    }
    void paintText(QPointF, const QString&) override { ++texts; }
    void fillRect(const QRectF&, QColor) override { ++fills; }
    void drawLine(QPointF, QPointF) override {}
    void setLandscape(bool landscape) override { landscape_ = landscape; }
    void newPage() override { ++pages; }

    int texts = 0;
    int fills = 0;
    int pages = 1;

private:
    bool landscape_ = false;
};

// The year table's floor: as many texts and boxes drawn with bare QPainter calls, in Arial 10,
// on as many pages, the last in portrait.
void TableFloor(QIODevice& output, const CountingCanvas& counts)
{
    QPdfWriter writer(&output);
    writer.setResolution(1200);
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(200);
    painter.setFont(font);
    const int perPage = counts.texts / counts.pages;
    for (int i = 0; i < counts.texts; ++i) {
        if (i > 0 && i % perPage == 0 && i / perPage < counts.pages) {
            if (i / perPage == counts.pages - 1)
                writer.setPageOrientation(QPageLayout::Portrait);
            writer.newPage();
        }
        if (i < counts.fills)
            painter.fillRect(QRectF(i % 6 * 2000, i % 33 * 300, 2000, 300),
                             QColor(0xC0, 0xC0, 0xC0));
        painter.drawText(QPointF(i % 6 * 2000 + 100, i % 33 * 300 + 200),
                         QStringLiteral("Dr Exemple"));
    }
}

// Draws pages into a PDF at the print commands' resolution; false when it could not be written.
bool DrawPdf(QIODevice& output, const std::function<void(PageCanvas&)>& draw)
{
    QPdfWriter writer(&output);
    writer.setResolution(1200);
    PainterCanvas canvas(writer);
    draw(canvas);
    return canvas.finish();
}

template <typename Dialog, typename Report> void Show(const Report& report)
{
    Dialog dialog(report, nullptr);
    dialog.show();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder temp;
    const std::unique_ptr<Roster> roster = FullYear();

    const double statistics = MedianMilliseconds(iterations, [&] {
        Show<StatisticsDialog>(
            StatisticsReport{StatisticsTitle("2012"), ComputeStatistics(*roster), {}, {}});
    });
    const double dutyList = MedianMilliseconds(iterations, [&] {
        Show<DutyListDialog>(
            DutyListReport{DutyListTitle("2012", "Arnaud"), PersonalDuties(*roster, "Arnaud"), {}});
    });
    const QList<DutyRow> rows = PersonalDuties(*roster, "Arnaud");
    const double pdf = MedianMilliseconds(iterations, [&] {
        SafeFile file(temp.filePath("Garde 2012 - Arnaud.pdf"));
        file.open();
        const bool drawn = DrawPdf(file, [&](PageCanvas& canvas) {
            DrawDutyList(canvas, DutyListTitle("2012", "Arnaud"), rows);
        });
        if (!drawn || !file.commit()) {
            std::fprintf(stderr, "the PDF file could not be written\n");
            std::exit(1);
        }
    });
    RosterTable table = ReadRosterTable(*roster, "2012", "Ubaye");
    const TablePages allPages{true, true, true};
    CountingCanvas counts;
    DrawRosterTable(counts, table, allPages, PrintColours());
    const double tablePdf = MedianMilliseconds(iterations, [&] {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        DrawPdf(output, [&](PageCanvas& canvas) {
            DrawRosterTable(canvas, table, allPages, PrintColours());
        });
    });
    const double tableFloor = MedianMilliseconds(iterations, [&] {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        TableFloor(output, counts);
    });
    // The fullest month: the one with the most rows.
    int fullest = 1;
    for (int month = 2; month <= 12; ++month) {
        if (OnCallRows(*roster, month).size() > OnCallRows(*roster, fullest).size())
            fullest = month;
    }
    const double onCall = MedianMilliseconds(iterations, [&] {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        DrawPdf(output, [&](PageCanvas& canvas) {
            DrawOnCallTable(canvas, ReadOnCallTable(*roster, fullest, "2012", "Ubaye").months);
        });
    });
    std::printf("reports of %d, 12 participants, 40 shared days, median of %d runs "
                "(target < 100 ms each)\n",
                Year, iterations);
    std::printf("  statistics computed and shown:  %8.2f ms\n", statistics);
    std::printf("  duty list computed and shown:   %8.2f ms (%lld rows)\n", dutyList,
                static_cast<long long>(rows.size()));
    std::printf("  duty list written to PDF:       %8.2f ms\n", pdf);
    std::printf("  on-call table of month %d (%lld rows) read and written to PDF: %8.2f ms\n",
                fullest, static_cast<long long>(OnCallRows(*roster, fullest).size()), onCall);
    std::printf("  year table and shared list to PDF: %8.2f ms, floor %8.2f ms (%d texts, %d "
                "boxes, %d pages), ratio %.2f (target <= 1.5)\n",
                tablePdf, tableFloor, counts.texts, counts.fills, counts.pages,
                tablePdf / tableFloor);
    return 0;
}
