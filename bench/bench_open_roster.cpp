// Time from a roster file to a roster window with its grid filled, for a saved roster and for
// a blank roster created from scratch, key derivation included. Prints the medians.
#include "BenchTiming.h"
#include "BlankRoster.h"
#include "Interaction.h"
#include "RosterDatabase.h"
#include "RosterFile.h"
#include "RosterWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The benchmark never asks anything: any question would be a failure of the run.
class SilentInteraction : public Interaction {
public:
    void tell(const QString& message, MessageIcon) override { Fail(message); }
    int ask(const Question& question) override { return Fail(question.message), 0; }
    QString promptText(const QString& prompt) override { return Fail(prompt), QString(); }
    int chooseParticipant(const QStringList&, int) override { return -1; }
    QString askNewParticipant() override { return {}; }
    int chooseReplacement(const QStringList&, int) override { return -1; }
    std::optional<QList<SharedInterval>> editShare(const ShareRequest&) override { return {}; }
    std::optional<DayProperties> editDayProperties(QDate, const DayProperties&) override
    {
        return {};
    }
    std::optional<SectorName> nameSector(const QString&) override { return {}; }
    QString chooseFileToOpen(const FileChoice&) override { return {}; }
    QString chooseFileToSave(const FileChoice&) override { return {}; }

private:
    static void Fail(const QString& text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
};

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

void ShowFilled(RosterWindow& window, bool opened)
{
    if (!opened)
        std::exit(1);
    window.show();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int iterations = Iterations(app.arguments());
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    SilentInteraction ui;

    const QString saved = temp.filePath(QStringLiteral("Garde 2012.dat"));
    QFile::rename(CreateBlankRoster(2012), saved);

    int untitled = 0;
    const double opened = MedianMilliseconds(iterations, [&] {
        RosterWindow window(ui);
        ShowFilled(window, window.openFile(MakeWorkingCopy(saved), saved, untitled));
    });
    const double blank = MedianMilliseconds(iterations, [&] {
        RosterWindow window(ui);
        ShowFilled(window, window.openNew(MakeBlankRoster(2012), untitled));
    });
    std::printf("roster window filled, median of %d runs (target < 150 ms each)\n", iterations);
    std::printf("  saved roster opened:    %8.2f ms\n", opened);
    std::printf("  blank roster created:   %8.2f ms\n", blank);
    return 0;
}
