#include "ReportRoster.h"
#include "ScriptedInteraction.h"
#include "reports/Exports.h"
#include "store/FilePaths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// 5 March 2012 shared in three intervals entered out of order; 6 March marked shared without
// any interval; 2 January held by Dupont.
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

// What an independent reader makes of a file: the JSON a Python script prints.
QJsonObject ReadWithPython(const char* script, const QStringList& arguments)
{
    QProcess python;
    python.start("/usr/bin/python3", QStringList{"-c", QString::fromUtf8(script)} + arguments);
    python.waitForFinished(60000);
    const QByteArray output = python.readAllStandardOutput();
    if (python.exitCode() != 0)
        qWarning("%s", python.readAllStandardError().constData());
    return QJsonDocument::fromJson(output).object();
}

const char* const WorkbookReader = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
def cell(ref):
    c = sheet[ref]
    value = c.value.strftime('%Y-%m-%d') if hasattr(c.value, 'strftime') else c.value
    return {'value': value, 'bold': bool(c.font.b), 'underline': c.font.u,
            'fill': c.fill.fgColor.rgb if c.fill.fill_type == 'solid' else None,
            'format': c.number_format, 'align': c.alignment.horizontal, 'type': c.data_type}
cells = {'C2': cell('C2')}
for row in sheet.iter_rows():
    for c in row:
        if c.value is not None:
            cells[c.coordinate] = cell(c.coordinate)
print(json.dumps({'sheets': book.sheetnames, 'title': book.properties.title,
    'merged': sorted(str(r) for r in sheet.merged_cells.ranges),
    'widths': {k: sheet.column_dimensions[k].width for k in ['A', 'B', 'C', 'AI']},
    'row1': sheet.row_dimensions[1].height, 'cells': cells, 'maxRow': sheet.max_row}))
)";

const char* const CalendarReader = R"(
import json, sys, icalendar
events = []
for path in sys.argv[1:]:
    calendar = icalendar.Calendar.from_ical(open(path, 'rb').read())
    zones = [str(z['TZID']) for z in calendar.walk('VTIMEZONE')]
    for event in calendar.walk('VEVENT'):
        start, end = event['DTSTART'].dt, event['DTEND'].dt
        events.append({'uid': str(event['UID']), 'start': start.isoformat(),
            'hours': (end - start).total_seconds() / 3600, 'summary': str(event['SUMMARY']),
            'description': str(event['DESCRIPTION']), 'zones': zones,
            'calendar': str(calendar.get('X-WR-CALNAME'))})
print(json.dumps({'events': events}))
)";

} // namespace

class TestExports : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;

    QString target(const QString& name) const { return env_->tempPath() + "/" + name; }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
    }

    void cleanup()
    {
        ui_.reset();
        env_.reset();
    }

    // 366 day lines, one more per interval beyond a day's first, in start order; a shared day
    // without any interval is held by nobody. The header and plain lines byte for byte below.
    void csvOfALeapYear()
    {
        const QString path = target("Garde 2012.csv");
        ui_->filesToSave = {path};

        ExportCsv(*ui_, *SharedMarch(), u"Garde 2012"_s);

        const QStringList lines = QString::fromLatin1(ReadFile(path)).split("\r\n");
        QCOMPARE(lines.size(), 1 + 366 + 2 + 1);
        QCOMPARE(lines.last(), QString());
        // 5 March is the year's 65th day, after the header.
        QCOMPARE(lines.mid(65, 4),
                 (QStringList{"05/03/2012;B;08:00;14:00", "05/03/2012;C;14:00;00:00",
                              "05/03/2012;A;00:00;08:00", "06/03/2012;;;"}));
        QCOMPARE(ui_->saveChoices.first().filter, u"Fichier csv (*.csv)"_s);
        QCOMPARE(ui_->waitings.size(), 1);
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format csv en cours..."_s);
        QCOMPARE(ui_->waitings.first().maximum, 366);
        QCOMPARE(ui_->waitings.first().progress.last(), 366);
        QVERIFY(!ui_->waitings.first().open);
        QCOMPARE(ui_->texts(),
                 QStringList{"Exportation au format csv réussie, sous le fichier:\r\n" + path});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Information);
        QVERIFY(!ui_->shown.first().whileWaiting);
    }

    // Only a field that would break the columns is quoted; one a spreadsheet would take for a
    // formula starts with an apostrophe; a character Windows-1252 lacks makes the whole file
    // UTF-8 after a byte-order mark.
    void csvNamesByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("plain") << u"Dupont"_s << "02/01/2012;Dupont;;"_ba << false;
        QTest::newRow("semicolon")
            << u"Lefèvre; fils"_s << "02/01/2012;\"Lef\xe8vre; fils\";;"_ba << false;
        QTest::newRow("double quotes")
            << u"Dr \"Bob\""_s << "02/01/2012;\"Dr \"\"Bob\"\"\";;"_ba << false;
        QTest::newRow("line break") << u"A\nB"_s << "02/01/2012;\"A\nB\";;"_ba << false;
        QTest::newRow("formula") << u"=1+1"_s << "02/01/2012;'=1+1;;"_ba << false;
        QTest::newRow("formula, quoted")
            << u"=HYPERLINK(\"x\";\"y\")"_s
            << "02/01/2012;\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\";;"_ba << false;
        for (const char* start : {"+", "-", "@", "\t"})
            QTest::addRow("starting with %s", start)
                << QString::fromLatin1(start) + "Dupont"
                << "02/01/2012;'"_ba + start + "Dupont;;" << false;
        QTest::newRow("carriage return first")
            << u"\rDupont"_s << "02/01/2012;\"'\rDupont\";;"_ba << false;
        QTest::newRow("hyphen inside")
            << u"Dupont-Durand"_s << "02/01/2012;Dupont-Durand;;"_ba << false;
        QTest::newRow("Windows-1252 beyond Latin-1")
            << u"Œuvre 5 €"_s << "02/01/2012;\x8cuvre 5 \x80;;"_ba << false;
        QTest::newRow("not in Windows-1252")
            << u"Dvořák"_s << "02/01/2012;Dvo\xc5\x99\xc3\xa1k;;"_ba << true;
    }

    void csvNamesByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        QFETCH(bool, utf8);
        const QString path = target("Garde.csv");
        ui_->filesToSave = {path};

        ExportCsv(*ui_, *SharedMarch(name), {});

        const QByteArray bytes = ReadFile(path);
        const QByteArray header = utf8 ? "\xef\xbb\xbf"
                                         "Date;M\xc3\xa9"
                                         "decin;D\xc3\xa9"
                                         "but;Fin\r\n"_ba
                                       : "Date;M\xe9"
                                         "decin;D\xe9"
                                         "but;Fin\r\n"_ba;
        QVERIFY(bytes.startsWith(header));
        QVERIFY2(bytes.contains("\r\n01/01/2012;;;\r\n" + line + "\r\n03/01/2012;;;\r\n"),
                 bytes.left(120).constData());
    }

    // A read that fails tells the user, and leaves the file already there whole.
    void failedExportLeavesTheFormerFile()
    {
        const QString path = target("Garde.csv");
        QVERIFY(WriteFile(path, "ancien contenu"));
        std::unique_ptr<Roster> roster = SharedMarch();
        RosterDatabase::open(roster->database().path())->execute(R"(DROP TABLE [Partagé])");
        ui_->filesToSave = {path, path};

        ExportCsv(*ui_, *roster, {});

        QCOMPARE(ui_->texts(), QStringList{"L'exportation au format csv a échoué."});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Critical);
        QCOMPARE(ReadFile(path), "ancien contenu");
        QVERIFY(!ui_->waitings.first().open);
        ExportWorkbook(*ui_, *roster, u"2012"_s, {});
        QCOMPARE(ui_->texts().last(), u"L'exportation au format Excel a échoué."_s);
        QVERIFY(!ui_->shown.first().whileWaiting && !ui_->shown.last().whileWaiting);
        QCOMPARE(ReadFile(path), "ancien contenu");
        QCOMPARE(QDir(env_->tempPath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // Small files are those a full disk used to empty while the program said it had written them.
    void fullDiskLeavesTheFormerExport_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("failure");
        QTest::newRow("csv") << "csv" << u"L'exportation au format csv a échoué."_s;
        QTest::newRow("workbook") << "xlsx" << u"L'exportation au format Excel a échoué."_s;
        QTest::newRow("calendar") << "ics" << u"L'exportation de l'agenda a échoué."_s;
    }

    void fullDiskLeavesTheFormerExport()
    {
        QFETCH(QString, product);
        QFETCH(QString, failure);
        const QString path = target("Garde." + product);
        QVERIFY(WriteFile(path, "ancien contenu"));
        const std::unique_ptr<Roster> roster = SharedMarch();
        ui_->filesToSave = {path};
        ui_->participantChoices = {0};
        {
            const FullDisk full(0);
            if (product == "csv")
                ExportCsv(*ui_, *roster, {});
            else if (product == "xlsx")
                ExportWorkbook(*ui_, *roster, u"2012"_s, {});
            else
                ExportCalendars(*ui_, *roster, u"2012"_s);
        }
        QCOMPARE(ui_->texts(), QStringList{failure});
        QCOMPARE(ReadFile(path), "ancien contenu");
        QCOMPARE(QDir(env_->tempPath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // A name a spreadsheet would take for a formula stays a text cell.
    void workbookKeepsNamesAsText()
    {
        const QString path = target("Gardes.xlsx");
        ui_->filesToSave = {path};

        ExportWorkbook(*ui_, *SharedMarch(u"=HYPERLINK(\"http://x\";\"y\")"_s), u"2012"_s, {});

        const QJsonObject cells = ReadWithPython(WorkbookReader, {path})["cells"].toObject();
        const auto named = std::find_if(cells.begin(), cells.end(), [](const QJsonValue& cell) {
            return cell["value"].toString().startsWith('=');
        });
        QVERIFY(named != cells.end());
        QCOMPARE(named.value().toObject()["type"].toString(), u"s"_s);
    }

    void workbookOfTheWallTable()
    {
        const QString path = target("Gardes.xlsx");
        ui_->filesToSave = {path};

        ExportWorkbook(*ui_, *SharedMarch(), u"2012"_s, u"Garde 2012"_s);

        QCOMPARE(ui_->texts(),
                 QStringList{"Exportation au format Excel réussie, sous le fichier:\r\n" + path});
        QCOMPARE(ui_->saveChoices.first().filter, u"Classeur Excel (*.xlsx)"_s);
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format Excel en cours..."_s);
        QVERIFY(!ui_->waitings.first().open);
        const QJsonObject book = ReadWithPython(WorkbookReader, {path});
        QCOMPARE(book["sheets"].toArray(), QJsonArray{"Gardes 2012"});
        QCOMPARE(book["title"].toString(), u"Gardes"_s);
        QCOMPARE(book["merged"].toArray().size(), 12);
        QVERIFY(book["merged"].toArray().contains("A1:C1"));
        QVERIFY(book["merged"].toArray().contains("AH1:AJ1"));
        const QJsonObject widths = book["widths"].toObject();
        // The file holds a width as Excel does: the characters' pixels (7 each) and 5 of padding.
        QList<int> pixels;
        for (const char* column : {"A", "B", "C", "AI"})
            pixels.append(qRound(widths[column].toDouble() * 7));
        QCOMPARE(pixels, (QList<int>{qRound(1.5 * 7) + 5, 2 * 7 + 5, 16 * 7 + 5, 2 * 7 + 5}));
        QCOMPARE(book["row1"].toDouble(), 18.0);

        const QJsonObject cells = book["cells"].toObject();
        const auto cell = [&](const char* ref) { return cells[ref].toObject(); };
        QCOMPARE(cell("A1")["value"].toString(), u"JANVIER"_s);
        QCOMPARE(cell("D1")["value"].toString(), u"FÉVRIER"_s);
        QCOMPARE(cell("A1")["align"].toString(), u"center"_s);
        // Monday 2 January, a weekday: bold letter and day, no fill, no underline.
        QCOMPARE(cell("A3")["value"].toString(), u"L"_s);
        QVERIFY(cell("A3")["bold"].toBool() && cell("A3")["fill"].isNull());
        QCOMPARE(cell("B3")["value"].toString(), u"2012-01-02"_s);
        QCOMPARE(cell("B3")["format"].toString(), u"dd"_s);
        QCOMPARE(cell("C3")["value"].toString(), u"Dupont"_s);
        QVERIFY(!cell("C3")["bold"].toBool() && cell("C3")["underline"].isNull());
        // Sunday 1 January, a holiday: the three cells bold, underlined, on light grey.
        for (const char* ref : {"A2", "B2", "C2"}) {
            QVERIFY(cell(ref)["bold"].toBool());
            QCOMPARE(cell(ref)["underline"].toString(), u"single"_s);
            QCOMPARE(cell(ref)["fill"].toString(), u"FFC0C0C0"_s);
        }
        // January has 31 rows, February 29 in 2012, and nothing below.
        QVERIFY(cells.contains("B32") && cells.contains("E30") && !cells.contains("E31"));
        QCOMPARE(cell("I6")["value"].toString(), u"<Partagé>"_s);
        // The shared list: the date once, bold and right-aligned, its intervals below.
        QCOMPARE(cell("C35")["value"].toString(), u"2012-03-05"_s);
        QCOMPARE(cell("C35")["format"].toString(), u"dd mmm yy"_s);
        QVERIFY(cell("C35")["bold"].toBool());
        QCOMPARE(cell("C35")["align"].toString(), u"right"_s);
        QCOMPARE(cell("E35")["value"].toString(), u"De 08:00 à 14:00"_s);
        QCOMPARE(cell("G35")["value"].toString(), u"B"_s);
        QCOMPARE(cell("E36")["value"].toString(), u"De 14:00 à 00:00"_s);
        QCOMPARE(cell("E37")["value"].toString(), u"De 00:00 à 08:00"_s);
        QCOMPARE(cell("G37")["value"].toString(), u"A"_s);
        QVERIFY(!cells.contains("C36"));
        QCOMPARE(book["maxRow"].toInt(), 37);
    }

    // Where nothing can be written, nothing is; a year without shares has no list below.
    void workbookWithoutShares()
    {
        const QString path = target("Gardes.xlsx");
        ui_->filesToSave = {target("disparu/Gardes.xlsx"), path};
        std::unique_ptr<Roster> roster = RosterWith(2011, {});
        ExportWorkbook(*ui_, *roster, u"2011"_s, {});
        QCOMPARE(ui_->texts(), QStringList{"Impossible d'exporter au format Excel."});
        ExportWorkbook(*ui_, *roster, u"2011"_s, {});
        const QJsonObject book = ReadWithPython(WorkbookReader, {path});
        QCOMPARE(book["maxRow"].toInt(), 32);
        QVERIFY(!book["cells"].toObject().contains("E30"));
    }

    // Across the nights summer time begins and ends, an interval from midnight to 08:00 lasts
    // 7 and 9 hours; a day held outright lasts from 08:00 to 08:00.
    void calendarOfAParticipant()
    {
        std::unique_ptr<Roster> roster = RosterWith(
            2012, {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('B')"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2012-07-14'"_s,
                   u"UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] IN ('2012-03-24', "
                   "'2012-10-27')"_s,
                   u"INSERT INTO [Partagé] VALUES ('2012-03-24', 'B', 0, 16), "
                   "('2012-03-24', 'A', 16, 24), ('2012-10-27', 'A', 16, 24)"_s,
                   u"UPDATE [Propriétés] SET [Valeur] = 'Ubaye' WHERE [Nom] = 'Secteur'"_s});
        const QString first = target("A.ics");
        const QString second = target("A encore.ics");
        ui_->participantChoices = {0, 0};
        ui_->filesToSave = {first, second};

        ExportCalendars(*ui_, *roster, u"2012"_s);
        // Naming the sector again changes the summaries, not the events.
        roster->setSector(u"Haute Ubaye"_s);
        ExportCalendars(*ui_, *roster, u"2012"_s);

        QCOMPARE(ui_->participantLists.first(), (QStringList{"A", "B", "(Tous les participants)"}));
        QCOMPARE(ui_->saveChoices.first().proposedPath, DocumentsFolder() + "/Garde 2012 - A.ics");
        QCOMPARE(ui_->texts().first(),
                 "Exportation de l'agenda réussie, sous le fichier:\r\n" + first);
        QCOMPARE(ui_->waitings.first().text, u"Exportation au format agenda en cours..."_s);
        QVERIFY(!ui_->shown.first().whileWaiting);
        const QJsonArray events =
            ReadWithPython(CalendarReader, {first, second})["events"].toArray();
        QCOMPARE(events.size(), 6);
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            const QJsonObject event = events.at(i).toObject();
            seen.append(event["start"].toString() + " " +
                        QString::number(event["hours"].toDouble()));
            QCOMPARE(event["uid"], events.at(i + 3).toObject()["uid"]);
            QCOMPARE(event["summary"].toString(), u"Garde A – Ubaye"_s);
            QCOMPARE(events.at(i + 3).toObject()["summary"].toString(), u"Garde A – Haute Ubaye"_s);
            QCOMPARE(event["calendar"].toString(), u"Garde 2012 - A"_s);
            QVERIFY(event["uid"] != events.at((i + 1) % 3).toObject()["uid"]);
            QCOMPARE(event["zones"].toArray(), QJsonArray{"Europe/Paris"});
        }
        QCOMPARE(seen, (QStringList{"2012-03-25T00:00:00+01:00 7", "2012-07-14T08:00:00+02:00 24",
                                    "2012-10-28T00:00:00+02:00 9"}));
        QCOMPARE(events.at(1).toObject()["description"].toString(), u"Dimanche ou jour férié"_s);
        QCOMPARE(events.at(0).toObject()["description"].toString(),
                 u"Samedi, garde partagée de 00:00 à 08:00"_s);
    }

    // Every doctor's duties in one calendar; an event is its duty slot, so that a duty given to
    // another doctor keeps its event, retitled, when the calendar is imported again.
    void calendarOfTheWholeGroup()
    {
        std::unique_ptr<Roster> roster =
            RosterWith(2012, {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('B')"_s,
                              u"UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2012-07-14'"_s,
                              u"UPDATE [Garde] SET [Médecin] = 'B' WHERE [Jour] = '2012-07-15'"_s});
        const QString before = target("Groupe.ics");
        const QString after = target("Groupe encore.ics");
        ui_->filesToSave = {before, after};

        ExportGroupCalendar(*ui_, *roster, u"2012"_s);
        roster->assign(QDate(2012, 7, 14), u"B"_s);
        ExportGroupCalendar(*ui_, *roster, u"2012"_s);

        QCOMPARE(ui_->saveChoices.first().proposedPath,
                 DocumentsFolder() + "/Garde 2012 - Secteur.ics");
        const QJsonArray events =
            ReadWithPython(CalendarReader, {before, after})["events"].toArray();
        QCOMPARE(events.size(), 4);
        QCOMPARE(events.at(0).toObject()["summary"].toString(), u"Garde A – Secteur"_s);
        QCOMPARE(events.at(0).toObject()["calendar"].toString(), u"Garde 2012 - Secteur"_s);
        QStringList moved;
        for (const QJsonValue& event : events)
            if (event["start"].toString().startsWith("2012-07-14"))
                moved.append(event["summary"].toString() + " " + event["uid"].toString());
        QCOMPARE(moved.size(), 2);
        QCOMPARE(moved.at(1).section(' ', -1), moved.at(0).section(' ', -1));
        QVERIFY(moved.at(1).startsWith(u"Garde B"_s));
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
        ui_->answers = {AnswerNo};

        ExportCalendars(*ui_, *roster, u"2012"_s);
        QCOMPARE(ReadFile(target("Garde 2012 - A.ics")), "ancien");
        QVERIFY(ui_->waitings.isEmpty());
        ui_->answers = {AnswerYes};
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
