#include "RecordingCanvas.h"
#include "ReportRoster.h"
#include "reports/OnCallTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList Texts(const QList<OnCallRow>& rows)
{
    QStringList texts;
    for (const OnCallRow& row : rows)
        texts.append(QStringList{row.name, row.identification, row.address,
                                 row.day.toString(Qt::ISODate), row.hours}
                         .join('|'));
    return texts;
}

QList<OnCallRow> Rows(int count)
{
    QList<OnCallRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({u"Dr %1"_s.arg(i), u"04 1 2345"_s, u"1 rue Haute 04400 Barcelonnette"_s,
                     QDate(2012, 3, 1).addDays(i / 2), i % 2 ? u"de 20:00 à 08:00"_s : QString(),
                     DayType::Weekday});
    return rows;
}

} // namespace

class TestOnCallTable : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // A shared day gives a row per interval with its own doctor and hours; a day held outright
    // the date alone; a participant without full name his name; a name with no participant's
    // row is printed as stored.
    void rowsOfAMonth()
    {
        std::unique_ptr<Roster> roster = Roster::load(CreateReportRoster());
        RosterDatabase::open(roster->database().path())
            ->execute(R"(UPDATE [Participants] SET [Etat-Civil] = 'Dr Anne Aubert',
                         [Identification] = '04 1 23456', [Adresse] = '2 place du Marché',
                         [CP] = '04400', [Ville] = 'Barcelonnette' WHERE [Médecin] = 'A')");
        roster = Roster::load(roster->database().path());

        const QStringList rows = Texts(OnCallRows(*roster, 3));
        const QString a = u"Dr Anne Aubert|04 1 23456|2 place du Marché 04400 Barcelonnette|"_s;
        QCOMPARE(
            rows.mid(0, 6),
            (QStringList{"O'Brien; \"Doc\"||  |2011-03-05|", a + "2011-03-06|de 08:00 à 14:00",
                         "B||  |2011-03-06|de 14:00 à 20:00", a + "2011-03-06|de 20:00 à 08:00",
                         a + "2011-03-07|", a + "2011-03-08|"}));
        QVERIFY(rows.contains("Zed|||2011-03-14|"));
        QCOMPARE(rows.size(), 2 + 3 + 3 + 2 + 2 * 3);
    }

    // Every month ends with its last day.
    void monthsEndWithTheirLastDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("January") << 2011 << 1 << 31;
        QTest::newRow("April") << 2011 << 4 << 30;
        QTest::newRow("February") << 2011 << 2 << 28;
        QTest::newRow("February of a leap year") << 2012 << 2 << 29;
        QTest::newRow("December") << 2011 << 12 << 31;
    }

    void monthsEndWithTheirLastDay()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        const QList<OnCallRow> rows =
            OnCallRows(*RosterWith(year, {u"INSERT INTO [Participants] ([Médecin]) VALUES ('A')"_s,
                                          u"UPDATE [Garde] SET [Médecin] = 'A'"_s}),
                       month);
        QCOMPARE(rows.size(), days);
        QCOMPARE(rows.last().day, QDate(year, month, days));
        QVERIFY(rows.last().hours.isEmpty());
    }

    void headAndFirstRowsOfAPage()
    {
        RecordingCanvas canvas({11906, 16838});
        DrawOnCallTable(canvas, u"Tableau des astreintes de MARS 2012 - Ubaye"_s, Rows(2));

        const double hb = ArialLineHeight(10, true);
        const double hr = ArialLineHeight(10, false);
        const double top = 810 + hb;
        const double rows = top + hb;
        QCOMPARE(canvas.landscapePages, QList<bool>{true});
        const auto at = [&](const QString& text) { return *canvas.find(text); };
        QCOMPARE(at(u"Tableau des astreintes de MARS 2012 - Ubaye"_s).at, QPointF(810, 810));
        QVERIFY(at(u"MEDECIN"_s).bold);
        QCOMPARE(at(u"PERIODE"_s).at,
                 QPointF(10902 + (2835 - ArialWidth(u"PERIODE"_s, 10, true)) / 2, top));
        QCOMPARE(at(u"TYPE"_s).at.x(), 13737 + (2268 - ArialWidth(u"TYPE"_s, 10, true)) / 2);
        QCOMPARE(at(u"Dr 0"_s).at, QPointF(810, rows));
        QVERIFY(at(u"Dr 0"_s).bold && !at(u"04 1 2345"_s).bold);
        QCOMPARE(at(u"04 1 2345"_s).at, QPointF(8181, rows));
        QCOMPARE(at(u"1 rue Haute 04400 Barcelonnette"_s).at, QPointF(1377, rows + hr));
        QCOMPARE(at(u"jeudi 01 mars"_s).at, QPointF(10910, rows));
        QCOMPARE(at(u"de 20:00 à 08:00"_s).at, QPointF(11190, rows + hb + hr + hr));
        QCOMPARE(at(u"Semaine"_s).at, QPointF(13745, rows));
    }

    // A line break or a tab in a name or an address from an older file prints as a blank.
    void controlCharactersPrintAsBlanks()
    {
        RecordingCanvas canvas({11906, 16838});
        QList<OnCallRow> rows = Rows(1);
        rows.first().name = u"Dr Ligne\nCoupée"_s;
        rows.first().address = u"1 rue\tHaute"_s;

        DrawOnCallTable(canvas, u"Tête"_s, rows);

        QVERIFY(canvas.find(u"Dr Ligne Coupée"_s));
        QVERIFY(canvas.find(u"1 rue Haute"_s));
    }

    // Once a row would pass 11090, or the grid's foot at 11097, the page is ruled and the next
    // starts with the head again; every page is ruled down to 11097.
    void pagesBreakAndAreRuled()
    {
        RecordingCanvas canvas({11906, 16838});
        DrawOnCallTable(canvas, u"Tête"_s, Rows(60));

        const double hb = ArialLineHeight(10, true);
        const double rowH = hb + ArialLineHeight(10, false);
        const double top = 810 + hb;
        const double rows = top + hb;
        const int pages = canvas.landscapePages.size();
        QVERIFY(pages >= 2);
        int heads = 0;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            heads += text.text == u"Tête"_s;
            // A row starts above the last row rule and ends above the grid's foot.
            if (text.text.startsWith("Dr "))
                QVERIFY(text.at.y() <= 11090 && text.at.y() + rowH <= 11097);
        }
        QCOMPARE(heads, pages);
        int fullRows = 0;
        for (double y = rows; y <= 11090; y += rowH)
            ++fullRows;
        for (int page = 1; page <= pages; ++page) {
            QList<double> horizontal;
            QList<double> vertical;
            for (const RecordingCanvas::Line& line : canvas.lines) {
                if (line.page != page)
                    continue;
                if (line.from.y() == line.to.y()) {
                    QCOMPARE(line.from.x(), 810.0);
                    QCOMPARE(line.to.x(), 16029.0);
                    horizontal.append(line.from.y());
                } else {
                    QCOMPARE(line.from.y(), top);
                    QCOMPARE(line.to.y(), 11097.0);
                    vertical.append(line.from.x());
                }
            }
            QCOMPARE(vertical, (QList<double>{810, 10902, 13737, 16029}));
            QCOMPARE(horizontal.size(), 1 + fullRows + 1);
            QCOMPARE(horizontal.first(), top);
            QCOMPARE(horizontal.at(1), rows);
            QCOMPARE(horizontal.last(), 11097.0);
        }
    }
};

QTEST_MAIN(TestOnCallTable)
#include "tst_oncalltable.moc"
