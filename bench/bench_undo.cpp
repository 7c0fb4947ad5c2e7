// Time to undo and redo an edit of an open roster: a shared day, and the whole year's
// unavailable days emptied. Each undo and redo writes its transaction and the crash record.
// Prints the medians in milliseconds.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "store/BlankRoster.h"
#include "store/ProgramLocale.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace {

constexpr int Year = 2012;

struct Timings {
    std::vector<double> undo;
    std::vector<double> redo;
};

void Time(RosterDocument& document, Timings& timings)
{
    QUndoStack& history = document.undoStack();
    timings.undo.push_back(Milliseconds([&] { history.undo(); }));
    timings.redo.push_back(Milliseconds([&] { history.redo(); }));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder temp;
    ScriptedInteraction ui;
    RosterDocument document(ui);
    int untitled = 0;
    if (!document.openNew(MakeBlankRoster(Year), untitled))
        return 1;
    document.addParticipant("Arnaud");
    document.addParticipant("Léa");
    // Every other day unavailable: the list the whole-year edit empties and puts back.
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(2))
        document.setDayProperties(day, document.roster().day(day)->type, true);

    Timings shared;
    Timings year;
    for (int i = 0; i < iterations; ++i) {
        document.shareDay(QDate(Year, 3, 12), {{"Arnaud", 0, 10}, {"Léa", 10, 24}});
        Time(document, shared);
        ui.answers = {AnswerYes};
        document.clearUnavailableDays();
        Time(document, year);
    }
    // Nothing but the question before emptying the list may have been shown.
    if (ui.shown.size() != ui.questions.size()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(ui.shown.last().text));
        return 1;
    }
    std::printf("undo and redo, median of %d runs (target < 20 ms each)\n", iterations);
    std::printf("  shared day:              undo %8.2f ms, redo %8.2f ms\n", Median(shared.undo),
                Median(shared.redo));
    std::printf("  unavailable days (year): undo %8.2f ms, redo %8.2f ms\n", Median(year.undo),
                Median(year.redo));
    return 0;
}
