#include "RecordingCanvas.h"
#include "TestEnvironment.h"
#include "reports/PrintColours.h"
#include "reports/RosterTableLayout.h"
#include "store/Settings.h"

#include <QSettings>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A4 as a printer gives it, portrait.
const QSizeF A4(11000, 16000);

// The Arial 10 bold measures of the table.
struct Measures {
    double rowH;
    double wLetter;
    double wNumber;
    double colW;
};

Measures Measure()
{
    const double letter = ArialWidth(u"M"_s, 10, true);
    const double number = ArialWidth(u"29"_s, 10, true);
    return {ArialLineHeight(10, true), letter, number, letter + number + 1758 + 296};
}

const QString LongName = u"Docteur Jean-Baptiste de La Tour d'Auvergne-Lauraguais"_s;

// 2012: Sunday 1 January (a holiday) held by Dupont, Monday 2 January by Martin, 3 January by
// a name too long for its column, 4 January by a name on two lines; two days shared.
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

// The y of the row of a day of the month.
double RowY(int day, const Measures& m, double top)
{
    return (day + 1) * (m.rowH + 5) + top;
}

} // namespace

class TestRosterTable : public QObject {
    Q_OBJECT

private slots:
    // Default colours: weekday rows unfilled and black; other rows light grey, names bold.
    void firstHalfYearOnOneLandscapePage()
    {
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {true, false, false}, PrintColours());

        const Measures m = Measure();
        const QSizeF page = A4.transposed();
        // An integer division: the difference rounded, halves to even, then halved.
        const double left =
            static_cast<double>(static_cast<long>(std::nearbyint(page.width() - 6 * m.colW)) / 2);
        const double top = (page.height() - 33 * (m.rowH + 5)) / 2;
        QCOMPARE(canvas.landscapePages, QList<bool>{true});
        const RecordingCanvas::Text* title = canvas.find(u"Garde médicale 2012 - Ubaye"_s);
        QVERIFY(title);
        QCOMPARE(title->at, QPointF(left, 810));
        QVERIFY(title->bold && title->points == 14);
        const RecordingCanvas::Text* january = canvas.find(u"janvier"_s);
        QCOMPARE(january->at,
                 QPointF(left + (m.colW - ArialWidth(u"janvier"_s, 10, true)) / 2, top));
        QVERIFY(january->bold);

        // Sunday 1 January: filled grey, bold name, the number right-aligned.
        const RecordingCanvas::Fill& first = canvas.fills.first();
        QCOMPARE(first.area, QRectF(left, RowY(1, m, top), m.colW, m.rowH + 5));
        QCOMPARE(first.colour, QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(canvas.find(u"D"_s)->at, QPointF(left + 15, RowY(1, m, top)));
        const double numberLeft = left + 15 + m.wLetter + 133;
        const RecordingCanvas::Text* one = canvas.find(u"1"_s);
        QCOMPARE(one->at.x(), numberLeft + m.wNumber - ArialWidth(u"1"_s, 10, true));
        const RecordingCanvas::Text* dupont = canvas.find(u"Dupont"_s);
        QCOMPARE(dupont->at, QPointF(numberLeft + m.wNumber + 133, RowY(1, m, top)));
        QVERIFY(dupont->bold);
        QCOMPARE(dupont->colour, QColor(Qt::black));
        // Monday 2 January: no fill, a regular name.
        QVERIFY(!canvas.find(u"Martin"_s)->bold);
        for (const RecordingCanvas::Fill& fill : canvas.fills)
            QVERIFY(fill.area.y() != RowY(2, m, top) || fill.area.x() != left);

        // The longest prefix that fits; the first line only.
        const RecordingCanvas::Text* shortened = nullptr;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            if (LongName.startsWith(text.text) && text.text.size() > 10)
                shortened = &text;
        }
        QVERIFY(shortened);
        QVERIFY(ArialWidth(shortened->text, 10, false) <= 1758);
        QVERIFY(ArialWidth(LongName.left(shortened->text.size() + 1), 10, false) > 1758);
        QVERIFY(canvas.find(u"Ligne un"_s));

        // 31 rows reach row 32; February of a leap year has 29; April ends a row earlier.
        const auto lastRow = [&](int month) {
            double last = 0;
            const double x = left + (month - 1) * m.colW + 15;
            for (const RecordingCanvas::Text& text : canvas.texts) {
                if (text.at.x() == x)
                    last = std::max(last, text.at.y());
            }
            return qRound((last - top) / (m.rowH + 5));
        };
        QCOMPARE(lastRow(1), 32);
        QCOMPARE(lastRow(2), 30);
        QCOMPARE(lastRow(4), 31);
        QVERIFY(!canvas.find(u"juillet"_s));
    }

    void secondHalfAloneIsOnePageFromJuly()
    {
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {false, true, false}, PrintColours());
        QCOMPARE(canvas.landscapePages, QList<bool>{true});
        QVERIFY(canvas.find(u"juillet"_s) && canvas.find(u"décembre"_s));
        QVERIFY(!canvas.find(u"janvier"_s) && !canvas.find(u"juin"_s));
    }

    // Portrait pages after the landscape ones, the head repeated on each.
    void sharedListOnPortraitPages()
    {
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {true, true, true}, PrintColours());

        const Measures m = Measure();
        QCOMPARE(canvas.landscapePages.mid(0, 3), (QList<bool>{true, true, false}));
        const RecordingCanvas::Text* head = canvas.find(u"Garde médicale 2012 - Ubaye"_s, 3);
        QCOMPARE(head->at, QPointF(1120, 810));
        QVERIFY(head->bold && head->points == 12);
        const RecordingCanvas::Text* line = canvas.find(u"jeudi 01 mars de 08:00 à 20:00"_s, 3);
        QCOMPARE(line->at, QPointF(1120, 1700));
        QVERIFY(!line->bold);
        const double w = ArialWidth(u"dimanche 29 septembre de 24:00 à 24:00"_s, 10, false);
        QCOMPARE(canvas.find(u"Benoît"_s, 3)->at, QPointF(1253 + w, 1700));
        const double bottom = A4.height() - 2820;
        int lines = 0;
        for (const RecordingCanvas::Text& text : canvas.texts) {
            if (text.page >= 3 && text.at.x() == 1120 && text.at.y() >= 1700) {
                QVERIFY(text.at.y() + m.rowH <= bottom);
                ++lines;
            }
        }
        QCOMPARE(lines, 60);
        QVERIFY(canvas.landscapePages.size() > 3);
        QVERIFY(canvas.find(u"Garde médicale 2012 - Ubaye"_s, 4));
    }

    void rowsTakeTheirTypesColours()
    {
        PrintColours colours;
        colours.transparentWeek = false;
        colours.transparentWeekend = true;
        colours.weekBackground = Qt::yellow;
        colours.weekText = Qt::blue;
        colours.weekendText = Qt::red;
        RecordingCanvas canvas(A4);
        DrawRosterTable(canvas, Table2012(), {true, false, false}, colours);

        QCOMPARE(canvas.find(u"Dupont"_s)->colour, QColor(Qt::red));
        QCOMPARE(canvas.find(u"Martin"_s)->colour, QColor(Qt::blue));
        QCOMPARE(canvas.find(u"janvier"_s)->colour, QColor(Qt::black));
        // 182 days of the half-year, of which 26 Saturdays, 26 Sundays, and Easter Monday, 1 and
        // 8 May, Ascension and Whit Monday.
        QCOMPARE(canvas.fills.size(), 182 - 26 - 26 - 5);
        for (const RecordingCanvas::Fill& fill : canvas.fills)
            QCOMPARE(fill.colour, QColor(Qt::yellow));
    }

    void colourSettingsInBothForms()
    {
        TestEnvironment env;
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Vardo App Rotalis");
        Settings typed;
        QCOMPARE(ReadPrintColours(typed), PrintColours());
        settings.setValue("Printing/Color0", "&HFF0000");
        settings.setValue("Printing/Color1", "255");
        settings.setValue("Printing/TransparentWE", "Vrai");
        const PrintColours read = ReadPrintColours(typed);
        QCOMPARE(read.weekendBackground, QColor(Qt::blue));
        QCOMPARE(read.weekendText, QColor(Qt::red));
        QVERIFY(read.transparentWeekend);

        WritePrintColours(typed, read);
        QCOMPARE(settings.value("Printing/Color0").toString(), u"16711680"_s);
        QCOMPARE(settings.value("Printing/Color2").toString(), u"16777215"_s);
        QCOMPARE(settings.value("Printing/TransparentWeek").toString(), u"True"_s);
        QCOMPARE(settings.value("Printing/TransparentWE").toString(), u"True"_s);
        QCOMPARE(ReadPrintColours(typed), read);
    }
};

QTEST_MAIN(TestRosterTable)
#include "tst_rostertable.moc"
