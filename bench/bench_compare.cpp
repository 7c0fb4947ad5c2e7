// The comparison of two rosters of a 200-participant year, every day held differently and one
// day in four shared: from the other roster file chosen (read through its own working copy) to
// the list of differences. Prints the median in milliseconds.

#include "BenchFolder.h"
#include "BenchTiming.h"
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int Year = 2027;
constexpr int Participants = 200;

// 200 participants; each day goes to the participant `shift` places after the day's own, and
// one day in four is shared between two of them.
QString WriteYear(const BenchFolder& folder, const QString& name, int shift)
{
    std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(Year));
    for (int i = 0; i < Participants; ++i)
        roster->addParticipant(QStringLiteral("Dr %1").arg(i + 1, 3, 10, QLatin1Char('0')));
    const QStringList& doctors = roster->participants();
    QList<DatedDuty> duties;
    int index = 0;
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(1), ++index) {
        const QString holder = doctors.at((index + shift) % Participants);
        if (index % 4 == 0)
            duties.append(
                {day,
                 {SharedDutyMarker,
                  {{holder, 0, 12}, {doctors.at((index + shift + 1) % Participants), 12, 24}}}});
        else
            duties.append({day, {holder, {}}});
    }
    roster->setDuties(duties);
    const QString path = folder.filePath(name);
    if (WriteRosterFile(roster->database(), path) != RosterWrite::Written) {
        std::fprintf(stderr, "the roster file could not be written\n");
        std::exit(1);
    }
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchFolder folder;
    const QString mine = WriteYear(folder, QStringLiteral("Garde.dat"), 0);
    const QString theirs = WriteYear(folder, QStringLiteral("Copie.dat"), 7);
    ScriptedInteraction ui;
    int untitled = 0;
    auto document = std::make_unique<RosterDocument>(ui);
    if (!document->openFile(MakeWorkingCopy(mine), mine, untitled))
        return 1;
    RosterSession session(ui, std::move(document));
    qsizetype days = 0;
    const double ms = MedianMilliseconds(Iterations(app.arguments()), [&] {
        ui.filesToOpen = {theirs};
        const std::optional<OtherRoster> other = session.chooseRosterToCompare();
        days = other ? session.differencesWith(*other)->days.size() : -1;
    });
    std::printf("comparison of two %d-participant years (%lld days differ), opening the other "
                "file included: %.2f ms\n",
                Participants, static_cast<long long>(days), ms);
    return days == 365 ? 0 : 1;
}
