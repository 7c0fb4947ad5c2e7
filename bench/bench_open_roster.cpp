// Time from a roster file to a roster window with its grid filled, against the floor: the same
// file opened with bare SQLCipher calls (key, then read every row). Also the blank roster made
// from scratch into a window. Prints the medians in milliseconds and the ratio program/floor.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "OrganiserAnswers.h"
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "generator/RosterGenerator.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "store/BlankRoster.h"
#include "store/ProgramLocale.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int Year = 2012;

// A year as an organiser keeps it: generated, every participant's administrative data, and
// one day in four shared between two doctors.
void WriteYear(const QString& path)
{
    GenerationAnswers answers = OrganiserAnswers(Year);
    for (const QString& doctor : answers.weekday.participants)
        answers.administrativeData.append({doctor, "Docteur " + doctor, "04 1 23456 7",
                                           "12 avenue de la Libération", "04400", "Barcelonnette"});
    std::unique_ptr<Roster> roster = Roster::load(WriteGeneratedRoster(GenerateRoster(answers)));
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(4))
        roster->share(day, {{"Arnaud", 0, 10}, {"Léa", 10, 24}});
    if (WriteRosterFile(roster->database(), path) != RosterWrite::Written) {
        std::fprintf(stderr, "the roster file could not be written\n");
        std::exit(1);
    }
}

// Every row of every table, with the bare engine.
void ReadWithBareSqlcipher(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(db, "790415 Korbu", 12);
    int rows = 0;
    for (const char* sql : {R"(SELECT * FROM [Garde])", R"(SELECT * FROM [Partagé])",
                            R"(SELECT * FROM [Participants])", R"(SELECT * FROM [Propriétés])"}) {
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &select, nullptr);
        while (sqlite3_step(select) == SQLITE_ROW)
            ++rows;
        sqlite3_finalize(select);
    }
    sqlite3_close(db);
    if (rows < 366) {
        std::fprintf(stderr, "the bare engine read only %d rows\n", rows);
        std::exit(1);
    }
}

void ShowFilled(Interaction& ui, std::unique_ptr<RosterDocument> document, bool opened)
{
    if (!opened)
        std::exit(1);
    RosterWindow window(std::make_unique<RosterSession>(ui, std::move(document)));
    window.show();
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
    ScriptedInteraction ui;

    const QString saved = temp.filePath(QStringLiteral("Garde 2012.dat"));
    WriteYear(saved);

    // Interleaved, so that all three see the same machine.
    int untitled = 0;
    std::vector<double> opened;
    std::vector<double> floor;
    std::vector<double> blank;
    for (int i = 0; i < iterations; ++i) {
        opened.push_back(Milliseconds([&] {
            auto document = std::make_unique<RosterDocument>(ui);
            const bool opened = document->openFile(MakeWorkingCopy(saved), saved, untitled);
            ShowFilled(ui, std::move(document), opened);
        }));
        floor.push_back(Milliseconds([&] { ReadWithBareSqlcipher(saved); }));
        blank.push_back(Milliseconds([&] {
            auto document = std::make_unique<RosterDocument>(ui);
            const bool opened = document->openNew(MakeBlankRoster(Year), untitled);
            ShowFilled(ui, std::move(document), opened);
        }));
    }
    // The runs must have asked and told nothing.
    if (!ui.shown.isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(ui.shown.first().text));
        return 1;
    }
    std::printf("roster file of %lld bytes to a filled window, median of %d runs\n",
                static_cast<long long>(QFileInfo(saved).size()), iterations);
    std::printf("  program: %8.2f ms (target < 100 ms)\n", Median(opened));
    std::printf("  floor:   %8.2f ms (bare SQLCipher: key, then read every row)\n", Median(floor));
    std::printf("  ratio:   %8.2f (target <= 2)\n", Median(opened) / Median(floor));
    std::printf("blank roster %d created into a filled window: %8.2f ms (target < 150 ms)\n", Year,
                Median(blank));
    return 0;
}
