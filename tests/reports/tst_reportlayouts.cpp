#include "RecordingCanvas.h"
#include "reports/DutyListLayout.h"
#include "reports/PageCanvas.h"
#include "reports/StatisticsLayout.h"

#include <QGuiApplication>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using Outcome = ReportPage::Outcome;

namespace {

double Width(const QString& text, bool bold = false)
{
    return ArialWidth(text, 9, bold);
}

QList<StatisticsLine> Lines(int count)
{
    QList<StatisticsLine> lines;
    for (int i = 0; i < count; ++i)
        lines.append({u"Docteur %1"_s.arg(i), {12, 0, 3}, {2, 0, 3}});
    return lines;
}

QList<DutyRow> Rows(int count)
{
    QList<DutyRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({QDate(2011, 1, 1).addDays(i), 12.0, 24.0});
    return rows;
}

// The width of a statistics column: its widest cell of Lines(), or the sample when wider.
double ColumnWidth()
{
    return std::max(Width(u"99 dont 99 partagés"_s), Width(u"12 dont 2 partagé(s)"_s));
}

} // namespace

class TestReportLayouts : public QObject {
    Q_OBJECT

private slots:
    // "Arial" prints with Arial's widths: Arial's advances for these letters sum to 9448
    // thousandths of an em in bold, 8836 in the regular face.
    void arialHasArialsWidths()
    {
        for (const auto& [bold, ems] : {std::pair(true, 9.448), std::pair(false, 8.836)}) {
            const double width = Width(u"Dimanches et fériés"_s, bold);
            QVERIFY2(std::abs(width - ems * 9 * 20) < 0.02 * ems * 9 * 20,
                     qPrintable(QString::number(width)));
        }
    }

    void statisticsHeadingsAndColumns()
    {
        const double width = 11000;
        RecordingCanvas canvas({width, 16000});
        QCOMPARE(DrawStatistics(canvas, u"Statistiques du tour de garde 2011"_s, Lines(1)),
                 Outcome::Drawn);

        const double h = ArialLineHeight(9);
        const double c = ColumnWidth();
        const double starts[] = {width - 850 - 3 * c - 100, width - 850 - 2 * c - 50,
                                 width - 850 - c};
        const auto centred = [&](int column, const QString& text, bool bold) {
            return starts[column] + (c - Width(text, bold)) / 2;
        };
        QCOMPARE(canvas.texts.size(), 1 + 4 + 4);
        const RecordingCanvas::Text& title = canvas.texts.at(0);
        QCOMPARE(title.at, QPointF(850, 850));
        QVERIFY(title.underline && !title.bold);
        const QStringList headings{"Medecins", "Jours de semaine", "Samedis",
                                   "Dimanches et fériés"};
        const QStringList cells{"Docteur 0", "12 dont 2 partagé(s)", "", "3 dont 3 partagé(s)"};
        for (int i = 0; i < 4; ++i) {
            const RecordingCanvas::Text& heading = canvas.texts.at(1 + i);
            const RecordingCanvas::Text& cell = canvas.texts.at(5 + i);
            QCOMPARE(heading.text, headings.at(i));
            QCOMPARE(cell.text, cells.at(i));
            QVERIFY(heading.bold && !cell.bold && !cell.underline);
            QCOMPARE(heading.at.y(), 850 + 2 * h);
            QCOMPARE(cell.at.y(), 850 + 3 * h);
            QCOMPARE(heading.at.x(), i == 0 ? 850 : centred(i - 1, headings.at(i), true));
            QCOMPARE(cell.at.x(), i == 0 ? 850 : centred(i - 1, cells.at(i), false));
        }
    }

    // Two-digit counts side by side never overlap.
    void statisticsCellsDoNotOverlap()
    {
        RecordingCanvas canvas({11000, 16000});
        DrawStatistics(canvas, u"Statistiques"_s, {{u"Docteur"_s, {99, 99, 99}, {98, 98, 98}}});
        const QList<RecordingCanvas::Text> cells = canvas.texts.mid(canvas.texts.size() - 3);
        for (int i = 0; i < 2; ++i)
            QVERIFY(cells.at(i).at.x() + Width(cells.at(i).text) < cells.at(i + 1).at.x());
    }

    // A line goes to the next page when it would pass the bottom limit; the next page starts at
    // the top margin, without title or heading.
    void pagesBreakAtTheBottomLimit_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::newRow("statistics") << true;
        QTest::newRow("duty list") << false;
    }

    void pagesBreakAtTheBottomLimit()
    {
        QFETCH(bool, statistics);
        const double h = ArialLineHeight(9);
        // A line can end exactly at the bottom limit, and stays on its page.
        const double height = 1700 + 850 + 10 * h;
        RecordingCanvas canvas({11000, height});
        if (statistics)
            DrawStatistics(canvas, u"Titre"_s, Lines(30));
        else
            DrawDutyList(canvas, u"Titre"_s, Rows(30));

        const double bottom = height - 1700;
        int lastPage = 1;
        double previousY = 0;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            QVERIFY(text.at.y() + h <= bottom);
            if (text.page != lastPage) {
                QCOMPARE(text.at.y(), 850.0);
                QVERIFY(previousY + 2 * h > bottom);
                QVERIFY(!text.bold && !text.underline);
                lastPage = text.page;
            }
            previousY = text.at.y();
        }
        QCOMPARE(lastPage, 4);
        const QString last =
            statistics ? u"Docteur 29"_s : u"dimanche 30 janvier de 20:00 à 08:00"_s;
        QVERIFY(canvas.find(last, 4));
    }

    // Below the width the columns need, nothing is drawn; at that width, the report is.
    void tooNarrowPages_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("drawn");
        const double statisticsWidth = 1700 + 4 * ColumnWidth() + 100;
        const double listWidth = std::lround(Width(u"dimanche 29 septembre de 24:00 à 24:00"_s));
        QTest::newRow("statistics, just wide enough") << true << statisticsWidth << true;
        QTest::newRow("statistics, narrower") << true << statisticsWidth - 1 << false;
        // The left edge is halved toward zero: a page a twip narrower still gives 0.
        QTest::newRow("duty list, a twip narrower") << false << listWidth - 1 << true;
        QTest::newRow("duty list, two twips narrower") << false << listWidth - 2 << false;
    }

    void tooNarrowPages()
    {
        QFETCH(bool, statistics);
        QFETCH(double, width);
        QFETCH(bool, drawn);
        RecordingCanvas canvas({width, 16000});
        const Outcome outcome = statistics ? DrawStatistics(canvas, u"Titre"_s, Lines(2))
                                           : DrawDutyList(canvas, u"Titre"_s, Rows(2));
        QCOMPARE(outcome, drawn ? Outcome::Drawn : Outcome::PageTooNarrow);
        QCOMPARE(canvas.texts.isEmpty(), !drawn);
    }

    // One column as wide as the widest row, centred on the page in whole twips.
    void dutyListIsACentredColumn()
    {
        const double width = 11001;
        RecordingCanvas canvas({width, 16000});
        DrawDutyList(canvas, u"Garde 2011 - A"_s, Rows(2));

        const double h = ArialLineHeight(9);
        const long left = static_cast<long>(std::nearbyint(
                              11001 - Width(u"dimanche 29 septembre de 24:00 à 24:00"_s))) /
                          2;
        QCOMPARE(canvas.texts.size(), 3);
        QCOMPARE(canvas.texts.at(0).at, QPointF(850, 850));
        QVERIFY(canvas.texts.at(0).underline);
        QCOMPARE(canvas.texts.at(1).text, u"samedi 01 janvier de 20:00 à 08:00"_s);
        QCOMPARE(canvas.texts.at(1).at, QPointF(left, 850 + 2 * h));
        QCOMPARE(canvas.texts.at(2).at, QPointF(left, 850 + 3 * h));
    }
};

QTEST_MAIN(TestReportLayouts)
#include "tst_reportlayouts.moc"
