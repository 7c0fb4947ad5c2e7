// The fairness view over five years of a roster of 12 participants with 40 shared days a year:
// the ledger of the five roster files, each copied, opened and counted, then computed; the
// opening of the five files alone, the floor of the first; the counting of one open year; and
// the computation alone over the five years held in memory. Prints the medians in milliseconds.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "BenchYear.h"
#include "reports/Fairness.h"
#include "reports/FairnessLedger.h"
#include "store/ProgramLocale.h"
#include "store/RosterFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int YearCount = 5;

// Every participant in both rotations.
const QList<RotationMembers> BothRotations = {
    {QStringLiteral("Gardes de semaine"), Doctors},
    {QStringLiteral("Gardes de week-ends et jours fériés"), Doctors}};

QList<FairnessYear> ReadLedger(const QStringList& paths)
{
    QList<FairnessYear> ledger;
    for (const QString& path : paths) {
        const std::optional<FairnessYear> year = ReadFairnessYear(path);
        if (!year) {
            std::fprintf(stderr, "%s could not be read\n", qPrintable(path));
            std::exit(1);
        }
        ledger.append(*year);
    }
    return ledger;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder folder;
    QStringList paths;
    for (int year = Year - YearCount + 1; year <= Year; ++year) {
        paths.append(folder.filePath(QStringLiteral("Garde %1.dat").arg(year)));
        if (WriteRosterFile(FullYear(year)->database(), paths.last()) != RosterWrite::Written) {
            std::fprintf(stderr, "the roster of %d could not be written\n", year);
            return 1;
        }
    }

    const double ledger = MedianMilliseconds(
        iterations, [&] { ComputeFairness(ReadLedger(paths), BothRotations, DefaultWeights); });
    const double opening = MedianMilliseconds(iterations, [&] {
        for (const QString& path : paths)
            Roster::load(RosterDatabase::open(MakeWorkingCopy(path).file));
    });
    const std::unique_ptr<Roster> roster = FullYear();
    const double counting = MedianMilliseconds(iterations, [&] { CountFairness(*roster); });
    const QList<FairnessYear> years = ReadLedger(paths);
    QList<FairnessRotation> rotations;
    const double computation = MedianMilliseconds(
        iterations, [&] { rotations = ComputeFairness(years, BothRotations, DefaultWeights); });
    std::printf("fairness over %d years of %lld participants (both rotations), median of %d "
                "runs\n",
                YearCount, static_cast<long long>(Doctors.size()), iterations);
    std::printf("  ledger of %d roster files read and computed: %8.2f ms (%.2f ms a file)\n",
                YearCount, ledger, ledger / YearCount);
    std::printf("  the same files only opened (floor):          %8.2f ms, ratio %.2f\n", opening,
                ledger / opening);
    std::printf("  counting of one open year:                    %8.2f ms\n", counting);
    std::printf("  computation alone over the %d years:          %8.3f ms (%lld lines)\n",
                YearCount, computation,
                static_cast<long long>(rotations.first().lines.size() * rotations.size()));
    return 0;
}
