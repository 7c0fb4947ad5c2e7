// Creating a blank year, saving it and reopening it, against the floor: the same work done with
// bare SQLCipher calls. Prints the medians in milliseconds and the ratio program/floor.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "store/BlankRoster.h"
#include "store/Calendar.h"
#include "store/ProgramLocale.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Year = 2012;

// Made, saved as a roster file, reopened and read, as the user does it.
int ProgramRun(const QString& saved)
{
    {
        const std::unique_ptr<RosterDatabase> db = MakeBlankRoster(Year);
        if (!db || WriteRosterFile(*db, saved) != RosterWrite::Written)
            return 0;
    }
    int days = 0;
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(saved);
    Statement rows =
        db->prepare(R"(SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] ORDER BY [Jour])");
    while (rows.step())
        ++days;
    return days;
}

void Exec(sqlite3* db, const char* sql)
{
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

sqlite3* OpenKeyed(const QByteArray& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.constData(), &db);
    sqlite3_key(db, "790415 Korbu", 12);
    return db;
}

int FloorRun(const QString& saved)
{
    const QByteArray path = QFile::encodeName(saved);
    sqlite3* db = OpenKeyed(path);
    Exec(db, R"(CREATE TABLE [Garde] ([Jour] TEXT PRIMARY KEY, [Médecin] TEXT, [Type] INTEGER,
                [Indispo] INTEGER))");
    Exec(db, R"(CREATE TABLE [Partagé] ([Jour] TEXT, [Médecin] TEXT, [HDébut] REAL, [HFin] REAL,
                PRIMARY KEY ([Jour], [HDébut])))");
    Exec(db, R"(CREATE TABLE [Participants] ([Médecin] TEXT, [Semaine] INTEGER, [WE] INTEGER,
                [Etat-Civil] TEXT, [Identification] TEXT, [Adresse] TEXT, [CP] TEXT, [Ville] TEXT))");
    Exec(db, "BEGIN");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, R"(INSERT INTO [Garde] VALUES (?1, '', ?2, 0))", -1, &insert, nullptr);
    for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(1)) {
        const QByteArray text = day.toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(insert, 1, text.constData(), static_cast<int>(text.size()), nullptr);
        sqlite3_bind_int(insert, 2, static_cast<int>(DayTypeOf(day)));
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Exec(db, "COMMIT");
    sqlite3_close(db);

    db = OpenKeyed(path);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, R"(SELECT * FROM [Garde] ORDER BY [Jour])", -1, &select, nullptr);
    int days = 0;
    while (sqlite3_step(select) == SQLITE_ROW)
        ++days;
    sqlite3_finalize(select);
    sqlite3_close(db);
    return days;
}

double MedianMilliseconds(int iterations, const std::function<int(const QString&)>& run)
{
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        const QString saved = QDir::temp().filePath(QStringLiteral("Garde %1.dat").arg(i));
        QElapsedTimer timer;
        timer.start();
        if (run(saved) != 366) {
            std::fprintf(stderr, "a run did not make the 366 days of %d\n", Year);
            std::exit(1);
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QFile::remove(saved);
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder temp;

    const double program = MedianMilliseconds(iterations, ProgramRun);
    const double floor = MedianMilliseconds(iterations, FloorRun);
    std::printf("blank roster %d, create + fill + save + reopen + read, median of %d runs\n", Year,
                iterations);
    std::printf("  program: %8.2f ms\n  floor:   %8.2f ms\n  ratio:   %8.2f (target <= 1.5)\n",
                program, floor, program / floor);
    return 0;
}
