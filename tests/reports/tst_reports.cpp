#include "RecordingCanvas.h"
#include "ReportRoster.h"
#include "reports/DutyList.h"
#include "reports/DutyListLayout.h"
#include "reports/OnCallTable.h"
#include "reports/PrintColours.h"
#include "reports/RosterTableLayout.h"
#include "reports/Statistics.h"
#include "reports/StatisticsLayout.h"
#include "store/Roster.h"
#include "store/Settings.h"

#include <QSettings>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

double Width(const QString& text, bool bold = false)
{
    return Arial(text, 9, bold).width();
}

const QString WidestRow = u"dimanche 29 septembre de 24:00 à 24:00"_s;

// A4 as a printer gives it, portrait.
const QSizeF A4(11000, 16000);

const QString LongName = u"Docteur Jean-Baptiste de La Tour d'Auvergne-Lauraguais"_s;

// 2012: Sunday 1 January (a holiday) held by Dupont, Monday 2 January by Martin, 3 January by
// a name too long for its column, 4 January by a name on two lines; 30 days from 1 March shared
// in two intervals.
RosterTable Table2012()
{
    RosterTable table{u"2012"_s, u"Ubaye"_s, {}, {}};
    for (QDate day(2012, 1, 1); day.year() == 2012; day = day.addDays(1))
        table.days.append({day, {}, DayTypeOf(day), false});
    table.days[0].doctor = u"Dupont"_s;
    table.days[1].doctor = u"Martin"_s;
    table.days[2].doctor = LongName;
    table.days[3].doctor = u"Ligne un\r\nLigne deux"_s;
    for (int i = 0; i < 60; ++i)
        table.intervals.append(
            {QDate(2012, 3, 1).addDays(i / 2),
             {i % 2 ? u"Léa"_s : u"Benoît"_s, i % 2 ? 12.0 : 0.0, i % 2 ? 24.0 : 12.0}});
    return table;
}

// A rule as "x,y x,y", from its start to its end.
QString Rule(QLineF line)
{
    return u"%1,%2 %3,%4"_s.arg(line.x1()).arg(line.y1()).arg(line.x2()).arg(line.y2());
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT

    TestEnvironment env_;
    std::unique_ptr<Roster> roster_ = Roster::load(CreateReportRoster());

private slots:
    // The report roster, A with his full name, identification and address.
    void initTestCase()
    {
        roster_->setAdministrativeData(0, {u"A"_s, u"Dr Anne Aubert"_s, u"04 1 23456"_s,
                                           u"2 place du Marché"_s, u"04400"_s, u"Barcelonnette"_s});
    }

    // Cells are empty for none; a day shared in two intervals counts once, and once as shared;
    // the days of Zed and of "a", outside the list, come after the participants.
    void statisticsCountEachParticipantsDays()
    {
        QStringList cells;
        for (const StatisticsLine& line : ComputeStatistics(*roster_)) {
            QStringList row{line.doctor};
            for (int type = 0; type < DayTypeCount; ++type)
                row.append(StatisticsCell(line.days[type], line.shared[type]));
            cells.append(row.join('|'));
        }
        QCOMPARE(cells, (QStringList{"A|3||2 dont 1 partagé(s)", "O'Brien; \"Doc\"||2|",
                                     "B|||4 dont 4 partagé(s)", "C|||3 dont 3 partagé(s)",
                                     "Zed|1||", "a|1||"}));
    }

    void dutyListHasARowPerDayOrInterval_data()
    {
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<QString>("rows");
        QTest::newRow("two intervals on a day, days held outright")
            << u"A"_s
            << u"dimanche 06 mars de 08:00 à 14:00 / dimanche 06 mars de 20:00 à 08:00 / lundi 07 "
               "mars / mardi 08 mars / mercredi 09 mars / lundi 25 avril"_s;
        QTest::newRow("name with quotes and a semicolon")
            << u"O'Brien; \"Doc\""_s << u"samedi 05 mars / samedi 12 mars"_s;
        QTest::newRow("only shared days")
            << u"C"_s
            << u"dimanche 13 mars de 08:00 à 20:00 / dimanche 20 mars de 08:00 à 20:00 / dimanche "
               "27 mars de 08:00 à 20:00"_s;
        QTest::newRow("nobody of that name") << u"D"_s << QString();
    }

    void dutyListHasARowPerDayOrInterval()
    {
        QFETCH(QString, doctor);
        QFETCH(QString, rows);
        QStringList paper;
        for (const DutyRow& row : PersonalDuties(*roster_, doctor))
            paper.append(DutyPaperText(row));
        QCOMPARE(paper.join(" / "), rows);
    }

    // The on-call table's rows of a month: a shared day gives a row per interval with its own
    // doctor and hours; a day held outright the date alone; a participant without full name
    // his name; a name with no participant's row is printed as stored.
    void onCallRowsOfAMonth()
    {
        QStringList rows;
        for (const OnCallRow& row : OnCallRows(*roster_, 3))
            rows.append(QStringList{row.name, row.identification, row.address,
                                    row.day.toString(Qt::ISODate), row.hours}
                            .join('|'));
        const QString a = u"Dr Anne Aubert|04 1 23456|2 place du Marché 04400 Barcelonnette|"_s;
        QCOMPARE(
            rows.mid(0, 6),
            (QStringList{"O'Brien; \"Doc\"||  |2011-03-05|", a + "2011-03-06|de 08:00 à 14:00",
                         "B||  |2011-03-06|de 14:00 à 20:00", a + "2011-03-06|de 20:00 à 08:00",
                         a + "2011-03-07|", a + "2011-03-08|"}));
        QVERIFY(rows.contains("Zed|||2011-03-14|"));
        QCOMPARE(rows.size(), 2 + 3 + 3 + 2 + 2 * 3);
    }

    // "Toute l'année": the twelve months in order, each starting a page under its own head, with
    // the pages it prints alone: January, made long, runs over three.
    void onCallYearStartsEachMonthOnAPageOfItsOwn()
    {
        OnCallTable year =
            ReadOnCallTable(*roster_, OnCallRequest::WholeYear, u"2011"_s, u"Ubaye"_s);
        QCOMPARE(year.title, u"Tableau des astreintes de l'année 2011 - Ubaye"_s);
        year.months.first().rows = QList<OnCallRow>(50, year.months.at(2).rows.first());
        RecordingCanvas canvas({11906, 16838});
        DrawOnCallTable(canvas, year.months);
        int first = 1;
        for (const OnCallMonth& month : year.months) {
            RecordingCanvas alone({11906, 16838});
            DrawOnCallTable(alone, {month});
            QVERIFY(!canvas.find(month.head, first - 1));
            QCOMPARE(canvas.find(month.head, first)->at, QPointF(810, 810));
            first += alone.landscapePages.size();
        }
        QCOMPARE(canvas.landscapePages.size(), first - 1);
        QCOMPARE(first - 1, 3 + 11);
    }

    // "Arial" prints with Arial's widths: Arial's advances for the last heading sum to 9448
    // thousandths of an em (180 twips at 9 points) in bold, 8836 in the regular face. The
    // headings bold; each count centred under its heading, the last column ending at the right
    // margin; two-digit counts side by side never overlap.
    void statisticsColumns()
    {
        for (const auto& [bold, ems] : {std::pair(true, 9.448), std::pair(false, 8.836)})
            QVERIFY(std::abs(Width(u"Dimanches et fériés"_s, bold) - ems * 180) < 0.02 * ems * 180);
        RecordingCanvas canvas({11000, 16000});
        DrawStatistics(canvas, u"Statistiques"_s,
                       {{u"Docteur 0"_s, {12, 0, 3}, {2, 0, 3}},
                        {u"Docteur 1"_s, {99, 99, 99}, {98, 98, 98}}});

        QStringList texts;
        for (const RecordingCanvas::Text& text : canvas.texts)
            texts.append(text.text);
        const QString widest = u"99 dont 98 partagé(s)"_s;
        QCOMPARE(texts, (QStringList{"Statistiques", "Medecins", "Jours de semaine", "Samedis",
                                     "Dimanches et fériés", "Docteur 0", "12 dont 2 partagé(s)", "",
                                     "3 dont 3 partagé(s)", "Docteur 1", widest, widest, widest}));
        const auto centre = [&](int index) {
            const RecordingCanvas::Text& text = canvas.texts.at(index);
            return text.at.x() + Width(text.text, text.bold) / 2;
        };
        for (int row = 0; row < 3; ++row) {
            const RecordingCanvas::Text& name = canvas.texts.at(1 + 4 * row);
            QCOMPARE(name.at, QPointF(850, 850 + (2 + row) * Arial({}, 9).height()));
            QCOMPARE(name.bold, row == 0);
            for (int column = 1; column < 4; ++column) {
                QCOMPARE(canvas.texts.at(1 + 4 * row + column).at.y(), name.at.y());
                if (row > 0)
                    QCOMPARE(centre(1 + 4 * row + column), centre(1 + column));
            }
        }
        QCOMPARE(canvas.texts.at(12).at.x() + Width(widest), 11000 - 850);
        for (int cell = 10; cell < 12; ++cell)
            QVERIFY(canvas.texts.at(cell).at.x() + Width(widest) <
                    canvas.texts.at(cell + 1).at.x());
    }

    // The title underlined at the margins, then a free line. A line goes to the next page when
    // it would pass the bottom limit; the next page starts at the top margin, without title or
    // heading. Below the width the columns need, nothing is drawn.
    void statisticsAndDutyListPages_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("drawn");
        // The margins (1700), four columns as wide as the widest count, and the gaps between the
        // last three (100).
        const double statisticsWidth =
            1800 + 4 * std::max(Width(u"99 dont 99 partagés"_s), Width(u"12 dont 2 partagé(s)"_s));
        const double listWidth = std::lround(Width(WidestRow));
        QTest::newRow("statistics, just wide enough") << true << statisticsWidth << true;
        QTest::newRow("statistics, narrower") << true << statisticsWidth - 1 << false;
        QTest::newRow("duty list") << false << 11000.0 << true;
        // The left edge is halved toward zero: a page a twip narrower still gives 0.
        QTest::newRow("duty list, a twip narrower") << false << listWidth - 1 << true;
        QTest::newRow("duty list, two twips narrower") << false << listWidth - 2 << false;
    }

    void statisticsAndDutyListPages()
    {
        QFETCH(bool, statistics);
        QFETCH(double, width);
        QFETCH(bool, drawn);
        const double h = Arial({}, 9).height();
        // A line can end exactly at the bottom limit, and stays on its page.
        const double height = 1700 + 850 + 10 * h;
        RecordingCanvas canvas({width, height});
        QList<StatisticsLine> lines;
        QList<DutyRow> rows;
        for (int i = 0; i < 30; ++i) {
            lines.append({u"Docteur %1"_s.arg(i), {12, 0, 3}, {2, 0, 3}});
            rows.append({QDate(2011, 1, 1).addDays(i), 12.0, 24.0});
        }
        QCOMPARE(statistics ? DrawStatistics(canvas, u"Titre"_s, lines)
                            : DrawDutyList(canvas, u"Titre"_s, rows),
                 drawn ? ReportPage::Outcome::Drawn : ReportPage::Outcome::PageTooNarrow);
        QCOMPARE(canvas.texts.isEmpty(), !drawn);
        if (!drawn)
            return;

        QCOMPARE(canvas.texts.first().at, QPointF(850, 850));
        QVERIFY(canvas.texts.first().underline && !canvas.texts.first().bold);
        QCOMPARE(canvas.texts.at(1).at.y(), 850 + 2 * h);
        // The duty list is one column as wide as the widest row, centred in whole twips.
        const double left = canvas.texts.at(1).at.x();
        QVERIFY(statistics ||
                (left == std::trunc(left) && std::abs(2 * left + Width(WidestRow) - width) <= 2));
        const double bottom = height - 1700;
        int lastPage = 1;
        double previousY = 0;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            QVERIFY(text.at.y() + h <= bottom);
            QVERIFY(statistics || text.text == u"Titre"_s || text.at.x() == left);
            if (text.page != lastPage) {
                QCOMPARE(text.at.y(), 850.0);
                QVERIFY(previousY + 2 * h > bottom);
                QVERIFY(!text.bold && !text.underline);
                lastPage = text.page;
            }
            previousY = text.at.y();
        }
        QCOMPARE(lastPage, 4);
        QVERIFY(canvas.find(
            statistics ? u"Docteur 29"_s : u"dimanche 30 janvier de 20:00 à 08:00"_s, 4));
    }

    // The half-year centred on a landscape page under its title: a month a column under its
    // name, a day a row below a free one, its initial, its number right-aligned and who is on
    // duty. Rows are filled and written in their type's colours, names of days off bold; month
    // names stay black. By default weekday rows are unfilled, the others light grey.
    void rosterTableFirstHalf_data()
    {
        QTest::addColumn<PrintColours>("colours");
        QTest::addColumn<int>("fills");
        QTest::addColumn<QColor>("fill");
        // The half-year's 182 days hold 26 Saturdays, 26 Sundays, and Easter Monday, 1 and 8
        // May, Ascension and Whit Monday.
        QTest::newRow("default") << PrintColours() << 26 + 26 + 5 << QColor(0xC0, 0xC0, 0xC0);
        QTest::newRow("weekdays filled")
            << PrintColours{false, true, Qt::white, Qt::red, Qt::yellow, Qt::blue}
            << 182 - 26 - 26 - 5 << QColor(Qt::yellow);
    }

    void rosterTableFirstHalf()
    {
        QFETCH(PrintColours, colours);
        QFETCH(int, fills);
        QFETCH(QColor, fill);
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {true, false, false}, colours);

        QCOMPARE(canvas.landscapePages, QList<bool>{true});
        QVERIFY(canvas.find(u"juin"_s) && !canvas.find(u"juillet"_s));
        QCOMPARE(canvas.fills.size(), fills);
        for (const auto& filled : canvas.fills)
            QCOMPARE(filled.second, fill);
        // The first row filled: Sunday 1 January's, or Monday 2 January's.
        const QRectF row = canvas.fills.first().first;
        const RecordingCanvas::Text* dupont = canvas.find(u"Dupont"_s);
        const RecordingCanvas::Text* martin = canvas.find(u"Martin"_s);
        QCOMPARE(row.y(), (colours.transparentWeekend ? martin : dupont)->at.y());
        QCOMPARE(martin->at, dupont->at + QPointF(0, row.height()));
        QCOMPARE(dupont->colour, colours.weekendText);
        QCOMPARE(martin->colour, colours.weekText);
        QVERIFY(dupont->bold && !martin->bold);
        QVERIFY(std::abs(2 * row.x() + 6 * row.width() - A4.height()) <= 1);
        const RecordingCanvas::Text* title = canvas.find(u"Garde médicale 2012 - Ubaye"_s);
        QCOMPARE(title->at, QPointF(row.x(), 810));
        QVERIFY(title->bold && title->points == 14);
        const RecordingCanvas::Text* january = canvas.find(u"janvier"_s);
        QVERIFY(january->bold && january->colour == Qt::black);
        QCOMPARE(january->at.x() + Arial(january->text, 10, true).width() / 2,
                 row.x() + row.width() / 2);
        QCOMPARE(dupont->at.y(), january->at.y() + 2 * row.height());
        QCOMPARE(2 * january->at.y() + 33 * row.height(), A4.width());
        const auto right = [&](const QString& text) {
            return canvas.find(text)->at.x() + Arial(text, 10, true).width();
        };
        QCOMPARE(canvas.find(u"D"_s)->at, QPointF(row.x() + 15, dupont->at.y()));
        QCOMPARE(right(u"1"_s), right(u"29"_s));
        QVERIFY(right(u"D"_s) < canvas.find(u"29"_s)->at.x() && right(u"29"_s) < dupont->at.x());

        // The longest prefix that fits; the first line only.
        const auto shortened =
            std::find_if(canvas.texts.begin(), canvas.texts.end(), [](const auto& text) {
                return LongName.startsWith(text.text) && text.text.size() > 10;
            });
        QVERIFY(shortened != canvas.texts.end());
        QVERIFY(Arial(shortened->text, 10).width() <= 1758);
        QVERIFY(Arial(LongName.left(shortened->text.size() + 1), 10).width() > 1758);
        QVERIFY(canvas.find(u"Ligne un"_s));

        // Months of 31 days, of 30, and February of a leap year.
        QList<qsizetype> lastDays;
        for (const QString& day : {u"29"_s, u"30"_s, u"31"_s})
            lastDays.append(std::count_if(canvas.texts.begin(), canvas.texts.end(),
                                          [&](const auto& text) { return text.text == day; }));
        QCOMPARE(lastDays, (QList<qsizetype>{6, 5, 3}));
    }

    // The second half-year from July on its landscape page; the shared list on portrait pages
    // after it, the head repeated on each.
    void rosterTableSharedListOnPortraitPages()
    {
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {false, true, true}, PrintColours());

        QCOMPARE(canvas.landscapePages.mid(0, 3), (QList<bool>{true, false, false}));
        QVERIFY(canvas.find(u"juillet"_s) && canvas.find(u"décembre"_s) && !canvas.find(u"juin"_s));
        const RecordingCanvas::Text* head = canvas.find(u"Garde médicale 2012 - Ubaye"_s, 2);
        QCOMPARE(head->at, QPointF(1120, 810));
        QVERIFY(head->bold && head->points == 12);
        const RecordingCanvas::Text* line = canvas.find(u"jeudi 01 mars de 08:00 à 20:00"_s, 2);
        QCOMPARE(line->at, QPointF(1120, 1700));
        QVERIFY(!line->bold);
        QCOMPARE(canvas.find(u"Benoît"_s, 2)->at,
                 QPointF(1253 + Arial(WidestRow, 10).width(), 1700));
        int lines = 0;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            if (text.page >= 2 && text.at.x() == 1120 && text.at.y() >= 1700) {
                QVERIFY(text.at.y() + Arial({}, 10, true).height() <= A4.height() - 2820);
                ++lines;
            }
        }
        QCOMPARE(lines, 60);
        QVERIFY(canvas.find(u"Garde médicale 2012 - Ubaye"_s, 3));
    }

    // The settings read in the forms older programs wrote, and written in the program's own.
    void colourSettingsInBothForms()
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Vardo App Rotalis");
        Settings typed;
        QCOMPARE(ReadPrintColours(typed), PrintColours());
        settings.setValue("Printing/Color0", "&HFF0000");
        settings.setValue("Printing/Color1", "255");
        settings.setValue("Printing/TransparentWE", "Vrai");
        const PrintColours read = ReadPrintColours(typed);
        QCOMPARE(read, (PrintColours{true, true, Qt::blue, Qt::red, Qt::white, Qt::black}));

        WritePrintColours(typed, read);
        QCOMPARE(settings.value("Printing/Color0").toString(), u"16711680"_s);
        QCOMPARE(settings.value("Printing/TransparentWeek").toString(), u"True"_s);
        QCOMPARE(settings.value("Printing/TransparentWE").toString(), u"True"_s);
        QCOMPARE(ReadPrintColours(typed), read);
    }

    // The on-call table's head, headings and first rows. Once a row would pass 11090, or the
    // grid's foot at 11097, the page is ruled and the next starts with the head again; every
    // page is ruled alike, down to 11097: the head's rule, a rule above each row that can start
    // on a page, the foot's, and the columns' edges.
    void onCallTable()
    {
        // A line break in the names and a tab in the addresses, from an older file, print as
        // blanks.
        QList<OnCallRow> table;
        for (int i = 0; i < 60; ++i)
            table.append({u"Dr\n%1"_s.arg(i), u"04 1 2345"_s, u"1 rue\tHaute 04400 Barcelonnette"_s,
                          QDate(2012, 3, 1).addDays(i / 2),
                          i % 2 ? u"de 20:00 à 08:00"_s : QString(), DayType::Weekday});
        const QString head = u"Tableau des astreintes de MARS 2012 - Ubaye"_s;
        RecordingCanvas canvas({11906, 16838});
        DrawOnCallTable(canvas, {{head, table}});

        const double hb = Arial({}, 10, true).height();
        const double hr = Arial({}, 10).height();
        const double top = 810 + hb;
        const double rows = top + hb;
        const auto at = [&](const QString& text) { return *canvas.find(text); };
        QCOMPARE(at(head).at, QPointF(810, 810));
        QVERIFY(at(u"MEDECIN"_s).bold);
        QCOMPARE(at(u"PERIODE"_s).at,
                 QPointF(10902 + (2835 - Arial(u"PERIODE"_s, 10, true).width()) / 2, top));
        QCOMPARE(at(u"TYPE"_s).at.x(), 13737 + (2268 - Arial(u"TYPE"_s, 10, true).width()) / 2);
        QCOMPARE(at(u"Dr 0"_s).at, QPointF(810, rows));
        QVERIFY(at(u"Dr 0"_s).bold && !at(u"04 1 2345"_s).bold);
        QCOMPARE(at(u"04 1 2345"_s).at, QPointF(8181, rows));
        QCOMPARE(at(u"1 rue Haute 04400 Barcelonnette"_s).at, QPointF(1377, rows + hr));
        QCOMPARE(at(u"jeudi 01 mars"_s).at, QPointF(10910, rows));
        QCOMPARE(at(u"de 20:00 à 08:00"_s).at, QPointF(11190, rows + hb + hr + hr));
        QCOMPARE(at(u"Semaine"_s).at, QPointF(13745, rows));

        const int pages = canvas.landscapePages.size();
        QVERIFY(pages >= 2 && !canvas.landscapePages.contains(false));
        for (int page = 1; page <= pages; ++page)
            QVERIFY(canvas.find(head, page));
        for (const RecordingCanvas::Text& text : canvas.texts) {
            if (text.text.startsWith("Dr "))
                QVERIFY(text.at.y() <= 11090 && text.at.y() + hb + hr <= 11097);
        }
        QStringList ruled{Rule({810, top, 16029, top}), Rule({810, 11097, 16029, 11097})};
        for (double y = rows; y <= 11090; y += hb + hr)
            ruled.append(Rule({810, y, 16029, y}));
        for (const double x : {810, 10902, 13737, 16029})
            ruled.append(Rule({x, top, x, 11097}));
        ruled.sort();
        QList<QStringList> rules(pages);
        for (const auto& [page, line] : canvas.lines)
            rules[page - 1].append(Rule(line));
        for (QStringList& page : rules) {
            page.sort();
            QCOMPARE(page, ruled);
        }
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
