#include "ReportRoster.h"
#include "ScriptedInteraction.h"
#include "reports/Exports.h"
#include "store/FilePaths.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// 5 March 2012 shared in three intervals entered out of order; 6 March marked shared without
// any interval; 2 January held by the name given.
std::unique_ptr<Roster> SharedMarch(const QString& name = u"Dupont"_s)
{
    return RosterWith(2012,
                      {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('B'), ('C')"_s,
                       u"UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] IN ('2012-03-05', "
                       "'2012-03-06')"_s,
                       u"INSERT INTO [Partagé] VALUES ('2012-03-05', 'A', 16, 24), "
                       "('2012-03-05', 'B', 0, 6), ('2012-03-05', 'C', 6, 16)"_s,
                       u"UPDATE [Garde] SET [Médecin] = '%1' WHERE [Jour] = '2012-01-02'"_s.arg(
                           QString(name).replace("'", "''"))});
}

// What an independent reader makes of a file: the lines a Python script prints.
QStringList ReadWithPython(const char* script, const QStringList& arguments)
{
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start("/usr/bin/python3", QStringList{"-c", QString::fromUtf8(script)} + arguments);
    python.waitForFinished(60000);
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The sheet, then each cell written: its value, bold, underline, fill, format, alignment, type.
const char* const WorkbookReader = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
print(*book.sheetnames, book.properties.title, sheet.max_row, sheet.row_dimensions[1].height,
      *(round(sheet.column_dimensions[k].width * 7) for k in ['A', 'B', 'C', 'AI']),
      ' '.join(str(r) for r in sheet.merged_cells.ranges), sep='|')
print(sheet.page_setup.orientation, sheet.page_setup.paperSize, sheet.page_setup.scale,
      *(b.id for b in sheet.col_breaks.brk), *(b.id for b in sheet.row_breaks.brk), sep='|')
cells = (c for row in sheet.iter_rows() for c in row)
for c in (c for c in cells if c.value is not None or c.coordinate == 'C2'):
    value = c.value.strftime('%Y-%m-%d') if hasattr(c.value, 'strftime') else c.value
    print(c.coordinate, value, 'bold' if c.font.b else '', c.font.u,
          c.fill.fgColor.rgb if c.fill.fill_type == 'solid' else '', c.number_format,
          c.alignment.horizontal, c.data_type, sep='|')
)";

// Each event: its identifier, numbered in the order first met, its start, hours, summary,
// description, calendar and time zones.
const char* const CalendarReader = R"(
import sys, icalendar
uids = {}
for path in sys.argv[1:]:
    calendar = icalendar.Calendar.from_ical(open(path, 'rb').read())
    zones = ' '.join(str(z['TZID']) for z in calendar.walk('VTIMEZONE'))
    for event in calendar.walk('VEVENT'):
        start, end = event['DTSTART'].dt, event['DTEND'].dt
        print(uids.setdefault(str(event['UID']), len(uids) + 1), start.isoformat(),
              '%g' % ((end - start).total_seconds() / 3600), event['SUMMARY'],
              event['DESCRIPTION'], calendar.get('X-WR-CALNAME'), zones, sep='|')
)";

} // namespace

class TestExports : public QObject {
    Q_OBJECT

    std::optional<TestEnvironment> env_;
    std::optional<ScriptedInteraction> ui_;

    QString target(const QString& name) const { return env_->tempPath() + "/" + name; }

private slots:
    void init()
    {
        env_.emplace();
        ui_.emplace();
    }

    // The file byte for byte. Only a field that would break the columns is quoted; one a
    // spreadsheet would take for a formula starts with an apostrophe; a character Windows-1252
    // lacks makes the whole file UTF-8 after a byte-order mark.
    void csvByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("utf8");
        const auto row = [](const char* tag, const QString& name, const QByteArray& field,
                            bool utf8 = false) { QTest::newRow(tag) << name << field << utf8; };
        row("plain", u"Dupont"_s, "Dupont");
        row("semicolon", u"Lefèvre; fils"_s, "\"Lef\xe8vre; fils\"");
        row("double quotes", u"Dr \"Bob\""_s, "\"Dr \"\"Bob\"\"\"");
        row("line break", u"A\nB"_s, "\"A\nB\"");
        row("formula", u"=1+1"_s, "'=1+1");
        row("formula, quoted", u"=HYPERLINK(\"x\";\"y\")"_s,
            "\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\"");
        for (const char* start : {"+", "-", "@", "\t"})
            QTest::addRow("starting with %s", start) << QString::fromLatin1(start) + "Dupont"
                                                     << "'"_ba + start + "Dupont" << false;
        row("carriage return first", u"\rDupont"_s, "\"'\rDupont\"");
        row("hyphen inside", u"Dupont-Durand"_s, "Dupont-Durand");
        row("Windows-1252 beyond Latin-1", u"Œuvre 5 €"_s, "\x8cuvre 5 \x80");
        row("not in Windows-1252", u"Dvořák"_s, "Dvo\xc5\x99\xc3\xa1k", true);
    }

    void csvByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        QFETCH(bool, utf8);
        const QString path = target("Garde 2012.csv");
        ui_->filesToSave = {path};

        ExportCsv(*ui_, *SharedMarch(name), u"Garde 2012"_s);

        const QByteArray bytes = ReadFile(path);
        const QString header = u"Date;Médecin;Début;Fin\r\n"_s;
        QVERIFY(bytes.startsWith(utf8 ? "\xef\xbb\xbf" + header.toUtf8() : header.toLatin1()));
        QVERIFY2(
            bytes.contains("\r\n01/01/2012;;;\r\n02/01/2012;" + field + ";;\r\n03/01/2012;;;\r\n"),
            bytes.left(120).constData());
        // A line a day of the leap year, one more per interval beyond a day's first, in start
        // order; a shared day without any interval is held by nobody.
        QCOMPARE(bytes.count("\r\n"), 1 + 366 + 2);
        QVERIFY(bytes.endsWith("\r\n31/12/2012;;;\r\n"));
        QVERIFY(
            bytes.contains("\r\n04/03/2012;;;\r\n05/03/2012;B;08:00;14:00\r\n05/03/2012;C;14:00;"
                           "00:00\r\n05/03/2012;A;00:00;08:00\r\n06/03/2012;;;\r\n"));
        QCOMPARE(ui_->saveChoices.first().filter, u"Fichier csv (*.csv)"_s);
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format csv en cours..."_s);
        QCOMPARE(ui_->waitings.first().progress.last(), ui_->waitings.first().maximum);
        QCOMPARE(ui_->texts(),
                 QStringList{"Exportation au format csv réussie, sous le fichier:\r\n" + path});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Information);
        QVERIFY(!ui_->shown.first().whileWaiting);
    }

    // Small files are those a full disk used to empty while the program said it had written
    // them. The message comes once the please-wait window is gone; the file already there stays
    // whole, with nothing left beside it.
    void failedExportsLeaveTheFormerFile_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        const std::pair<const char*, QString> products[] = {
            {"csv", u"L'exportation au format csv a échoué."_s},
            {"xlsx", u"L'exportation au format Excel a échoué."_s},
            {"ics", u"L'exportation de l'agenda a échoué."_s}};
        for (const char* failure : {"full disk", "roster unreadable"}) {
            for (const auto& [product, message] : products)
                QTest::newRow(QByteArray(product) + ", " + failure)
                    << QString(product) << QString(failure) << message;
        }
        QTest::newRow("xlsx, folder gone")
            << u"xlsx"_s << u"folder gone"_s << u"Impossible d'exporter au format Excel."_s;
    }

    void failedExportsLeaveTheFormerFile()
    {
        QFETCH(QString, product);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        const QString path =
            target((failure == "folder gone" ? "disparu/Garde." : "Garde.") + product);
        const bool former = WriteFile(path, "ancien contenu");
        QCOMPARE(former, failure != "folder gone");
        const std::unique_ptr<Roster> roster = SharedMarch();
        if (failure == "roster unreadable")
            RosterDatabase::open(roster->database().path())->execute(R"(DROP TABLE [Partagé])");
        ui_->filesToSave = {path};
        ui_->participantChoices = {0};
        {
            std::optional<FullDisk> full;
            if (failure == "full disk")
                full.emplace(0);
            if (product == "csv")
                ExportCsv(*ui_, *roster, {});
            else if (product == "xlsx")
                ExportWorkbook(*ui_, *roster, u"2012"_s, {});
            else
                ExportCalendars(*ui_, *roster, u"2012"_s);
        }
        QCOMPARE(ui_->texts(), QStringList{message});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Critical);
        QVERIFY(!ui_->shown.first().whileWaiting);
        QCOMPARE(ReadFile(path), former ? "ancien contenu"_ba : QByteArray());
        QCOMPARE(QDir(env_->tempPath()).entryList(QDir::Files | QDir::Hidden).size(),
                 former ? 1 : 0);
    }

    // A block of three columns a month, holidays bold, underlined and grey, the shared intervals
    // listed below; a name a spreadsheet would take for a formula stays a text cell.
    void workbookOfTheWallTable()
    {
        const QString path = target("Gardes.xlsx");
        ui_->filesToSave = {path};

        ExportWorkbook(*ui_, *SharedMarch(u"=HYPERLINK(\"x\";\"y\")"_s), u"2012"_s,
                       u"Garde 2012"_s);

        QCOMPARE(ui_->texts(),
                 QStringList{"Exportation au format Excel réussie, sous le fichier:\r\n" + path});
        QCOMPARE(ui_->saveChoices.first().filter, u"Classeur Excel (*.xlsx)"_s);
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format Excel en cours..."_s);
        const QStringList book = ReadWithPython(WorkbookReader, {path});
        // Widths as Excel holds them: the characters' pixels (7 each) and 5 of padding.
        QCOMPARE(book.first(), u"Gardes 2012|Gardes|37|18.0|16|19|117|19|A1:C1 D1:F1 G1:I1 J1:L1 "
                               "M1:O1 P1:R1 S1:U1 V1:X1 Y1:AA1 AB1:AD1 AE1:AG1 AH1:AJ1"_s);
        // Printed as the year table: A4 landscape, six whole months on a page (a break after
        // column R), the shared list on pages of its own (after row 33).
        QCOMPARE(book.at(1), u"landscape|9|85|18|33"_s);
        // The month names; Sunday 1 January, a holiday; Monday 2 January, a weekday; the last
        // days of January and of February; a shared day; the shared list.
        for (const char* cell :
             {"A1|JANVIER|bold|None||General|center|s", "D1|FÉVRIER|bold|None||General|center|s",
              "A2|D|bold|single|FFC0C0C0|General|None|s",
              "B2|2012-01-01|bold|single|FFC0C0C0|dd|None|d",
              "C2|None|bold|single|FFC0C0C0|General|None|n", "A3|L|bold|None||General|None|s",
              "B3|2012-01-02|bold|None||dd|None|d",
              "C3|=HYPERLINK(\"x\";\"y\")||None||General|None|s",
              "B32|2012-01-31|bold|None||dd|None|d", "E30|2012-02-29|bold|None||dd|None|d",
              "I6|<Partagé>||None||General|None|s", "C35|2012-03-05|bold|None||dd mmm yy|right|d",
              "E35|De 08:00 à 14:00||None||General|left|s", "G35|B||None||General|left|s",
              "E36|De 14:00 à 00:00||None||General|left|s",
              "E37|De 00:00 à 08:00||None||General|left|s", "G37|A||None||General|left|s"})
            QVERIFY2(book.contains(QString::fromUtf8(cell)), cell);
        for (const QString& line : book)
            QVERIFY2(!line.startsWith("E31|") && !line.startsWith("C36|"), qPrintable(line));
    }

    // Across the nights summer time begins and ends, an interval from midnight to 08:00 lasts
    // 7 and 9 hours; a day held outright lasts from 08:00 to 08:00. Naming the sector again
    // changes the summaries, not the events. The group's calendar holds every doctor's duties,
    // those of Zed, no participant, too;
    // an event is its duty slot, so that a duty given to another doctor keeps its event,
    // retitled, when the calendar is imported again.
    void calendars()
    {
        std::unique_ptr<Roster> roster = RosterWith(
            2012, {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('B')"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2012-07-14'"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'B' WHERE [Jour] = '2012-07-15'"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'Zed' WHERE [Jour] = '2012-07-16'"_s,
                   u"UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] IN ('2012-03-24', "
                   "'2012-10-27')"_s,
                   u"INSERT INTO [Partagé] VALUES ('2012-03-24', 'B', 0, 16), "
                   "('2012-03-24', 'A', 16, 24), ('2012-10-27', 'A', 16, 24)"_s,
                   u"UPDATE [Propriétés] SET [Valeur] = 'Ubaye' WHERE [Nom] = 'Secteur'"_s});
        const QStringList files{target("A.ics"), target("A encore.ics")};
        const QStringList groupFiles{target("Groupe.ics"), target("Groupe encore.ics")};
        ui_->participantChoices = {0, 0};
        ui_->filesToSave = files + groupFiles;

        ExportCalendars(*ui_, *roster, u"2012"_s);
        roster->setSector(u"Haute Ubaye"_s);
        ExportCalendars(*ui_, *roster, u"2012"_s);
        ExportGroupCalendar(*ui_, *roster, u"2012"_s);
        roster->assign(QDate(2012, 7, 14), u"B"_s);
        ExportGroupCalendar(*ui_, *roster, u"2012"_s);

        QCOMPARE(ui_->participantLists.first(), (QStringList{"A", "B", "(Tous les participants)"}));
        QCOMPARE(ui_->saveChoices.first().proposedPath, DocumentsFolder() + "/Garde 2012 - A.ics");
        QCOMPARE(ui_->saveChoices.last().proposedPath,
                 DocumentsFolder() + "/Garde 2012 - Haute Ubaye.ics");
        QCOMPARE(ui_->texts().first(),
                 "Exportation de l'agenda réussie, sous le fichier:\r\n" + files.first());
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format agenda en cours..."_s);
        QVERIFY(!ui_->shown.first().whileWaiting);
        const QString events = u"1|2012-03-25T00:00:00+01:00|7|Garde A – Ubaye|Samedi, garde "
                               "partagée de 00:00 à 08:00|Garde 2012 - A|Europe/Paris\n"
                               "2|2012-07-14T08:00:00+02:00|24|Garde A – Ubaye|Dimanche ou jour "
                               "férié|Garde 2012 - A|Europe/Paris\n"
                               "3|2012-10-28T00:00:00+02:00|9|Garde A – Ubaye|Samedi, garde "
                               "partagée de 00:00 à 08:00|Garde 2012 - A|Europe/Paris"_s;
        QCOMPARE(ReadWithPython(CalendarReader, files).join('\n'),
                 events + '\n' + QString(events).replace("Ubaye", "Haute Ubaye"));
        const QString moved = u"2|2012-07-14T08:00:00+02:00|24|Garde A – Haute Ubaye|Dimanche ou "
                              "jour férié|Garde 2012 - Haute Ubaye|Europe/Paris"_s;
        const QString kept = u"5|2012-07-15T08:00:00+02:00|24|Garde B – Haute Ubaye|Dimanche ou "
                             "jour férié|Garde 2012 - Haute Ubaye|Europe/Paris"_s;
        const QString outsider = u"6|2012-07-16T08:00:00+02:00|24|Garde Zed – Haute Ubaye|Jour "
                                 "de semaine|Garde 2012 - Haute Ubaye|Europe/Paris"_s;
        QCOMPARE(ReadWithPython(CalendarReader, groupFiles).filter("|2012-07-1"),
                 (QStringList{moved, kept, outsider, QString(moved).replace("Garde A", "Garde B"),
                              kept, outsider}));
    }

    // One file each, names that would meet in one file numbered; files already there are
    // replaced only when the user agrees.
    void calendarsOfEveryParticipant()
    {
        std::unique_ptr<Roster> roster = RosterWith(
            2012, {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('B/C'), ('B-C'), "
                   "('D' || char(10) || 'E' || char(9))"_s});
        ui_->participantChoices = {4, 4};
        ui_->folders = {env_->tempPath(), env_->tempPath()};
        QVERIFY(WriteFile(target("Garde 2012 - A.ics"), "ancien"));
        ui_->answers = {AnswerNo, AnswerYes};

        ExportCalendars(*ui_, *roster, u"2012"_s);
        QCOMPARE(ReadFile(target("Garde 2012 - A.ics")), "ancien");
        QVERIFY(ui_->waitings.isEmpty());
        ExportCalendars(*ui_, *roster, u"2012"_s);

        QCOMPARE(ui_->questions.size(), 2);
        QCOMPARE(ui_->questions.first().message,
                 u"Des agendas de ce tour de garde existent déjà dans ce dossier.\r\n"
                 "Voulez-vous les remplacer ?"_s);
        QCOMPARE(QDir(env_->tempPath()).entryList({"*.ics"}),
                 (QStringList{"Garde 2012 - A.ics", "Garde 2012 - B-C (2).ics",
                              "Garde 2012 - B-C.ics", "Garde 2012 - DE.ics"}));
        QVERIFY(ReadFile(target("Garde 2012 - A.ics")).startsWith("BEGIN:VCALENDAR"));
        QCOMPARE(ui_->waitings.first().maximum, 4);
        QCOMPARE(ui_->texts().last(),
                 "Exportation des agendas réussie, dans le dossier:\r\n" + env_->tempPath());
    }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
