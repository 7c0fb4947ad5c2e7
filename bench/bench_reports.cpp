// The reports of a full year with 12 participants and 40 shared days: the statistics and a
// participant's duty list, each computed and shown in its window, and the duty list written to
// a PDF file. Prints the medians in milliseconds.
#include "BenchTiming.h"
#include "BenchYear.h"
#include "DutyList.h"
#include "DutyListDialog.h"
#include "DutyListLayout.h"
#include "PainterCanvas.h"
#include "Roster.h"
#include "Statistics.h"
#include "StatisticsDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMilliseconds(int iterations, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
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
    const int iterations = Iterations(app.arguments());
    QTemporaryDir temp;
    // Nothing of the run lands in the user's own working folder.
    qputenv("XDG_DATA_HOME", temp.path().toLocal8Bit());
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
        QSaveFile file(temp.filePath("Garde 2012 - Arnaud.pdf"));
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        PainterCanvas canvas(writer);
        DrawDutyList(canvas, DutyListTitle("2012", "Arnaud"), rows);
        if (!canvas.finish() || !file.commit()) {
            std::fprintf(stderr, "the PDF file could not be written\n");
            std::exit(1);
        }
    });
    std::printf("reports of %d, 12 participants, 40 shared days, median of %d runs "
                "(target < 100 ms each)\n",
                Year, iterations);
    std::printf("  statistics computed and shown:  %8.2f ms\n", statistics);
    std::printf("  duty list computed and shown:   %8.2f ms (%lld rows)\n", dutyList,
                static_cast<long long>(rows.size()));
    std::printf("  duty list written to PDF:       %8.2f ms\n", pdf);
    return 0;
}
