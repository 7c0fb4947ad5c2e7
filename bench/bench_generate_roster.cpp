// Generating and writing a whole year against making the blank roster of the same year:
// 7 weekday participants (option 2), 6 weekend participants, grouping and eve ticked.
// Prints the medians in milliseconds and the ratio generated/blank.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "OrganiserAnswers.h"
#include "generator/RosterGenerator.h"
#include "store/BlankRoster.h"
#include "store/ProgramLocale.h"
#include "store/RosterDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Year = 2012;

// Time of one run, until the database is closed and its working file removed.
double Run(const std::function<std::unique_ptr<RosterDatabase>()>& make)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<RosterDatabase> db = make();
    if (!db) {
        std::fprintf(stderr, "the roster could not be made\n");
        std::exit(1);
    }
    db.reset();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder temp;
    const GenerationAnswers answers = OrganiserAnswers(Year);

    // Interleaved, so that both see the same machine.
    std::vector<double> generated;
    std::vector<double> blank;
    for (int i = 0; i < iterations; ++i) {
        generated.push_back(Run([&] { return WriteGeneratedRoster(GenerateRoster(answers)); }));
        blank.push_back(Run([] { return MakeBlankRoster(Year); }));
    }
    const double generatedMedian = Median(generated);
    const double blankMedian = Median(blank);
    std::printf("roster %d made and written, median of %d runs\n", Year, iterations);
    std::printf(
        "  generated: %8.2f ms\n  blank:     %8.2f ms\n  ratio:     %8.2f (target <= 1.2)\n",
        generatedMedian, blankMedian, generatedMedian / blankMedian);
    return 0;
}
