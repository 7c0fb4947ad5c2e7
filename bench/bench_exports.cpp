// The exports of a full year with 40 shared days, each beside its floor in the same run: the
// CSV file and the calendars against the same bytes made and written with plain C calls, the
// workbook against the same cells written with bare libxlsxwriter calls; the floors read the
// roster with bare SQLCipher calls on a connection already open. Prints the medians in
// milliseconds and the ratios.
#include "BenchFolder.h"
#include "BenchTiming.h"
#include "BenchYear.h"
#include "reports/CalendarExport.h"
#include "reports/CsvExport.h"
#include "reports/WorkbookExport.h"
#include "store/ProgramLocale.h"

#include "store/SafeFile.h"
#include <QCoreApplication>
#include <QFile>

#include <openssl/sha.h>
#include <sqlite3.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// UTF-8 of Latin-1 letters as single bytes, as Windows-1252 holds them.
std::string Latin1(const char* utf8)
{
    std::string bytes;
    for (const auto* c = reinterpret_cast<const unsigned char*>(utf8); *c; ++c) {
        if (*c < 0xC0) {
            bytes += static_cast<char>(*c);
            continue;
        }
        const int high = (*c & 0x03) << 6;
        ++c;
        bytes += static_cast<char>(high | (*c & 0x3F));
    }
    return bytes;
}

std::string Clock(double hours)
{
    char text[16];
    const int whole = static_cast<int>(hours);
    std::snprintf(text, sizeof text, "%02d:%s", whole < 16 ? whole + 8 : whole - 16,
                  hours - whole != 0 ? "30" : "00");
    return text;
}

const char* Text(sqlite3_stmt* row, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    return text ? text : "";
}

// As the program's files are: on the disk before they are renamed into place.
void CloseDurably(FILE* file)
{
    std::fflush(file);
    ::fsync(::fileno(file));
    std::fclose(file);
}

// The CSV file with bare calls: the same query, the same lines.
void CsvFloor(sqlite3* db, const std::string& path)
{
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db,
                       R"(SELECT [Garde].[Jour], [Garde].[Médecin], [Partagé].[Médecin],
                       [Partagé].[HDébut], [Partagé].[HFin] FROM [Garde] LEFT JOIN [Partagé]
                       ON [Garde].[Jour] = [Partagé].[Jour] ORDER BY [Garde].[Jour],
                       [Partagé].[HDébut])",
                       -1, &select, nullptr);
    const std::string beside = path + ".new";
    FILE* file = std::fopen(beside.c_str(), "wb");
    std::fputs("Date;M\xe9"
               "decin;D\xe9"
               "but;Fin\r\n",
               file);
    while (sqlite3_step(select) == SQLITE_ROW) {
        const char* day = Text(select, 0);
        std::fprintf(file, "%.2s/%.2s/%.4s;", day + 8, day + 5, day);
        if (std::strcmp(Text(select, 1), "<Partagé>") != 0)
            std::fprintf(file, "%s;;\r\n", Latin1(Text(select, 1)).c_str());
        else
            std::fprintf(file, "%s;%s;%s\r\n", Latin1(Text(select, 2)).c_str(),
                         Clock(sqlite3_column_double(select, 3)).c_str(),
                         Clock(sqlite3_column_double(select, 4)).c_str());
    }
    sqlite3_finalize(select);
    CloseDurably(file);
    std::rename(beside.c_str(), path.c_str());
}

// The workbook's cells with bare calls: the same formats, blocks and list.
void WorkbookFloor(sqlite3* db, const std::string& path)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Gardes 2012");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* number = workbook_add_format(workbook);
    format_set_bold(number);
    format_set_num_format(number, "dd");
    lxw_format* grey = workbook_add_format(workbook);
    format_set_bold(grey);
    format_set_underline(grey, LXW_UNDERLINE_SINGLE);
    format_set_pattern(grey, LXW_PATTERN_SOLID);
    format_set_bg_color(grey, 0xC0C0C0);
    lxw_format* greyNumber = workbook_add_format(workbook);
    format_set_bold(greyNumber);
    format_set_underline(greyNumber, LXW_UNDERLINE_SINGLE);
    format_set_pattern(greyNumber, LXW_PATTERN_SOLID);
    format_set_bg_color(greyNumber, 0xC0C0C0);
    format_set_num_format(greyNumber, "dd");
    worksheet_set_row(sheet, 0, 18, nullptr);
    static const char* const months[] = {"JANVIER",   "FÉVRIER", "MARS",     "AVRIL",
                                         "MAI",       "JUIN",    "JUILLET",  "AOÛT",
                                         "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DÉCEMBRE"};
    for (lxw_col_t month = 0; month < 12; ++month) {
        worksheet_set_column(sheet, 3 * month, 3 * month, 1.5, bold);
        worksheet_set_column(sheet, 3 * month + 1, 3 * month + 1, 2, bold);
        worksheet_set_column(sheet, 3 * month + 2, 3 * month + 2, 16, nullptr);
        worksheet_merge_range(sheet, 0, 3 * month, 0, 3 * month + 2, months[month], bold);
    }
    static const char* const letters[] = {"L", "M", "M", "J", "V", "S", "D"};
    sqlite3_stmt* days = nullptr;
    sqlite3_prepare_v2(db, R"(SELECT [Jour], [Médecin], [Type] FROM [Garde] ORDER BY [Jour])", -1,
                       &days, nullptr);
    while (sqlite3_step(days) == SQLITE_ROW) {
        const QDate day = QDate::fromString(QString::fromLatin1(Text(days, 0)), Qt::ISODate);
        const bool weekend = sqlite3_column_int(days, 2) > 0;
        const auto row = static_cast<lxw_row_t>(day.day());
        const auto first = static_cast<lxw_col_t>(3 * (day.month() - 1));
        lxw_datetime date{day.year(), day.month(), day.day(), 0, 0, 0};
        worksheet_write_string(sheet, row, first, letters[day.dayOfWeek() - 1],
                               weekend ? grey : bold);
        worksheet_write_datetime(sheet, row, first + 1, &date, weekend ? greyNumber : number);
        worksheet_write_string(sheet, row, first + 2, Text(days, 1), weekend ? grey : nullptr);
    }
    sqlite3_finalize(days);
    sqlite3_stmt* shared = nullptr;
    sqlite3_prepare_v2(db,
                       R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé]
                       ORDER BY [Jour], [HDébut])",
                       -1, &shared, nullptr);
    lxw_row_t row = 33;
    std::string previous;
    while (sqlite3_step(shared) == SQLITE_ROW) {
        const std::string day = Text(shared, 0);
        row += day != previous ? 2 : 1;
        if (day != previous) {
            lxw_datetime date{std::stoi(day.substr(0, 4)),
                              std::stoi(day.substr(5, 2)),
                              std::stoi(day.substr(8, 2)),
                              0,
                              0,
                              0};
            worksheet_write_datetime(sheet, row - 1, 2, &date, bold);
        }
        previous = day;
        const std::string hours = "De " + Clock(sqlite3_column_double(shared, 2)) + " à " +
                                  Clock(sqlite3_column_double(shared, 3));
        worksheet_write_string(sheet, row - 1, 4, hours.c_str(), nullptr);
        worksheet_write_string(sheet, row - 1, 6, Text(shared, 1), nullptr);
    }
    sqlite3_finalize(shared);
    workbook_close(workbook);
    // On the disk, as the program's workbook is before it takes the target's place.
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    ::fsync(descriptor);
    ::close(descriptor);
}

// A duty hour of a day as its wall-clock time, "YYYYMMDDTHHMM00".
std::string ClockStamp(const char* day, double hours)
{
    const int minutes = 8 * 60 + static_cast<int>(hours * 60 + 0.5);
    const QDate date =
        QDate(std::atoi(day), std::atoi(day + 5), std::atoi(day + 8)).addDays(minutes / (24 * 60));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", date.year(), date.month(),
                  date.day(), minutes % (24 * 60) / 60, minutes % 60);
    return text;
}

// The calendars with bare calls: the same query per participant and the same events, after
// the time zone's definition taken once from a calendar the program made.
void CalendarFloor(sqlite3* db, const std::string& folder, const std::string& zone)
{
    static const char* const types[] = {"Jour de semaine", "Samedi", "Dimanche ou jour férié"};
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db,
                       R"(SELECT [Garde].[Jour], [Partagé].[HDébut], [Partagé].[HFin],
                       [Garde].[Type] FROM [Garde] LEFT JOIN [Partagé] ON [Garde].[Jour] =
                       [Partagé].[Jour] WHERE [Garde].[Médecin] = ?1 OR ([Garde].[Médecin] =
                       '<Partagé>' AND [Partagé].[Médecin] = ?1)
                       ORDER BY [Garde].[Jour], [Partagé].[HDébut])",
                       -1, &select, nullptr);
    for (const QString& doctor : Doctors) {
        const QByteArray name = doctor.toUtf8();
        const std::string path = folder + "/plancher " + name.constData() + ".ics";
        FILE* file = std::fopen((path + ".new").c_str(), "wb");
        std::fputs("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Vardo//Rotalis 4.2.0//FR\r\n"
                   "CALSCALE:GREGORIAN\r\n",
                   file);
        std::fputs(zone.c_str(), file);
        sqlite3_bind_text(select, 1, name.constData(), -1, SQLITE_STATIC);
        while (sqlite3_step(select) == SQLITE_ROW) {
            const char* day = Text(select, 0);
            const bool shared = sqlite3_column_type(select, 1) != SQLITE_NULL;
            const double start = shared ? sqlite3_column_double(select, 1) : 0;
            const double end = shared ? sqlite3_column_double(select, 2) : 24;
            char key[256];
            std::snprintf(key, sizeof key, "2012\n%s\n%g\n%s", day, start, name.constData());
            unsigned char digest[SHA_DIGEST_LENGTH];
            SHA1(reinterpret_cast<const unsigned char*>(key), std::strlen(key), digest);
            char uid[2 * SHA_DIGEST_LENGTH + 1];
            for (int i = 0; i < SHA_DIGEST_LENGTH; ++i)
                std::snprintf(uid + 2 * i, 3, "%02x", digest[i]);
            std::string description = types[sqlite3_column_int(select, 3) % 3];
            if (shared)
                description += "\\, garde partagée de " + Clock(start) + " à " + Clock(end);
            std::fprintf(file,
                         "BEGIN:VEVENT\r\nUID:%s@rotalis\r\nDTSTAMP:20261206T230000Z\r\n"
                         "LAST-MODIFIED:20261206T230000Z\r\n"
                         "DTSTART;TZID=Europe/Paris:%s\r\nDTEND;TZID=Europe/Paris:%s\r\n"
                         "SUMMARY:Garde Secteur\r\nDESCRIPTION:%s\r\nEND:VEVENT\r\n",
                         uid, ClockStamp(day, start).c_str(), ClockStamp(day, end).c_str(),
                         description.c_str());
        }
        sqlite3_reset(select);
        std::fputs("END:VCALENDAR\r\n", file);
        CloseDurably(file);
        std::rename((path + ".new").c_str(), path.c_str());
    }
    sqlite3_finalize(select);
}

void WriteWhole(const QString& path, const QByteArray& content)
{
    if (!WriteFileSafely(path, content))
        Fail("a file could not be written");
}

// The time zone's definition, as the program writes it.
std::string TimeZoneBlock(const Roster& roster)
{
    const QByteArray calendar =
        DoctorCalendar(roster, Doctors.first(), QDateTime::currentDateTimeUtc());
    const qsizetype begin = calendar.indexOf("BEGIN:VTIMEZONE");
    const qsizetype end = calendar.indexOf("END:VTIMEZONE") + 15;
    return calendar.mid(begin, end - begin).toStdString();
}

void PrintLine(const char* what, double program, double floor)
{
    std::printf("  %-10s program %7.2f ms, floor %7.2f ms, ratio %5.2f (target <= 1.5, < 100 ms)\n",
                what, program, floor, program / floor);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UseProgramLocale();
    const int iterations = Iterations(app.arguments());
    const BenchFolder temp;
    const std::unique_ptr<Roster> roster = FullYear();
    // The floors' connection, keyed once before any timing.
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(roster->database().path()).constData(), &db,
                    SQLITE_OPEN_READONLY, nullptr);
    sqlite3_key(db, "790415 Korbu", 12);
    sqlite3_exec(db, "SELECT count(*) FROM [Garde]", nullptr, nullptr, nullptr);
    const std::string folder = QFile::encodeName(temp.path()).toStdString();
    const std::string zone = TimeZoneBlock(*roster);
    const auto noProgress = [](int) {};
    // The floor writes the very bytes of the program's file.
    WriteWhole(temp.filePath("Garde.csv"), EncodeCsv(CsvText(*roster, noProgress)));
    CsvFloor(db, folder + "/Plancher.csv");
    QFile program(temp.filePath("Garde.csv"));
    QFile floorFile(temp.filePath("Plancher.csv"));
    if (!program.open(QIODevice::ReadOnly) || !floorFile.open(QIODevice::ReadOnly) ||
        program.readAll() != floorFile.readAll())
        Fail("the CSV floor does not write the program's bytes");

    const double csv = MedianMilliseconds(iterations, [&] {
        WriteWhole(temp.filePath("Garde.csv"), EncodeCsv(CsvText(*roster, noProgress)));
    });
    const double csvFloor =
        MedianMilliseconds(iterations, [&] { CsvFloor(db, folder + "/Plancher.csv"); });
    const double workbook = MedianMilliseconds(iterations, [&] {
        if (WriteWorkbook(*roster, "2012", temp.filePath("Gardes.xlsx"), noProgress) !=
            WorkbookWrite::Written)
            Fail("the workbook could not be written");
    });
    const double workbookFloor =
        MedianMilliseconds(iterations, [&] { WorkbookFloor(db, folder + "/Plancher.xlsx"); });
    const double calendars = MedianMilliseconds(iterations, [&] {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString& doctor : Doctors)
            WriteWhole(temp.filePath(doctor + ".ics"), DoctorCalendar(*roster, doctor, now));
    });
    const double calendarsFloor =
        MedianMilliseconds(iterations, [&] { CalendarFloor(db, folder, zone); });
    sqlite3_close(db);

    std::printf("exports of %d, 12 participants, 40 shared days, median of %d runs\n", Year,
                iterations);
    PrintLine("csv", csv, csvFloor);
    PrintLine("workbook", workbook, workbookFloor);
    PrintLine("calendars", calendars, calendarsFloor);
    return 0;
}
