#include "BlankRoster.h"
#include "Calendar.h"
#include "RosterDatabase.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QTest>

namespace {

const QString YearPrompt = QStringLiteral("Entrez l'année du tour de garde:");
const QString RangeMessage =
    QStringLiteral("L'année du tour de garde doit être comprise entre 1900 et 9999.");

struct Day {
    QDate date;
    QString doctor;
    int type;
    bool unavailable;
};

QList<Day> DaysOf(const QString& path)
{
    QList<Day> days;
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    if (!db)
        return days;
    Statement rows =
        db->prepare(R"(SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] ORDER BY [Jour])");
    while (rows.step())
        days.append({rows.date(0), rows.text(1), rows.integer(2), rows.boolean(3)});
    return days;
}

// The working file of a new roster, once closed.
QString PathOf(std::unique_ptr<RosterDatabase> db)
{
    return db ? db->path() : QString();
}

int CountRows(const QString& path, const char* sql)
{
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    Statement count = db->prepare(sql);
    return count.step() ? count.integer(0) : -1;
}

} // namespace

class TestBlankRoster : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void everyDayOfTheYearIsUnassignedWithItsType_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("dayCount");
        QTest::newRow("2011") << 2011 << 365;
        QTest::newRow("2012, leap year") << 2012 << 366;
        QTest::newRow("1900, not a leap year") << 1900 << 365;
        QTest::newRow("2000, leap year") << 2000 << 366;
    }

    void everyDayOfTheYearIsUnassignedWithItsType()
    {
        QFETCH(int, year);
        QFETCH(int, dayCount);
        const QString path = CreateBlankRoster(year);
        QVERIFY(!path.isEmpty());
        const QList<Day> days = DaysOf(path);
        QCOMPARE(days.size(), dayCount);
        QCOMPARE(days.first().date, QDate(year, 1, 1));
        QCOMPARE(days.last().date, QDate(year, 12, 31));
        for (qsizetype i = 0; i < days.size(); ++i) {
            const Day& day = days.at(i);
            QCOMPARE(day.date, QDate(year, 1, 1).addDays(i));
            QCOMPARE(day.type, static_cast<int>(DayTypeOf(day.date)));
            QCOMPARE(day.doctor, QString());
            QCOMPARE(day.unavailable, false);
        }
        QCOMPARE(CountRows(path, R"(SELECT count(*) FROM [Partagé])"), 0);
        QCOMPARE(CountRows(path, R"(SELECT count(*) FROM [Participants])"), 0);
    }

    void easterWeekend2011()
    {
        const QList<Day> days = DaysOf(CreateBlankRoster(2011));
        const QDate first(2011, 1, 1);
        QCOMPARE(days.at(first.daysTo(QDate(2011, 4, 22))).type, 0);
        QCOMPARE(days.at(first.daysTo(QDate(2011, 4, 23))).type, 1);
        QCOMPARE(days.at(first.daysTo(QDate(2011, 4, 24))).type, 2);
        QCOMPARE(days.at(first.daysTo(QDate(2011, 4, 25))).type, 2);
    }

    void askingForTheYear_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("year"); // 0: no roster
        QTest::addColumn<QStringList>("shown");

        const QStringList once{YearPrompt};
        QTest::newRow("year") << QStringList{"2012"} << 2012 << once;
        QTest::newRow("blanks around") << QStringList{" 2011 "} << 2011 << once;
        QTest::newRow("letters, then a year")
            << QStringList{"deux mille", "2011"} << 2011 << QStringList{YearPrompt, YearPrompt};
        QTest::newRow("empty answer") << QStringList{""} << 0 << once;
        QTest::newRow("cancel") << QStringList{} << 0 << once;
        QTest::newRow("letters, then cancel")
            << QStringList{"abc"} << 0 << QStringList{YearPrompt, YearPrompt};
        QTest::newRow("half rounds to even, down") << QStringList{"2012,5"} << 2012 << once;
        QTest::newRow("half rounds to even, up") << QStringList{"2013.5"} << 2014 << once;
        QTest::newRow("rounds to nearest") << QStringList{"2010.6"} << 2011 << once;
        QTest::newRow("two digits, 2000s") << QStringList{"12"} << 2012 << once;
        QTest::newRow("two digits, 1900s") << QStringList{"45"} << 1945 << once;
        QTest::newRow("zero") << QStringList{"0"} << 2000 << once;
        QTest::newRow("last year there is") << QStringList{"9999"} << 9999 << once;
        QTest::newRow("first year there is") << QStringList{"1900"} << 1900 << once;
        QTest::newRow("before 1900, then a year")
            << QStringList{"1899", "2011"} << 2011
            << QStringList{YearPrompt, RangeMessage, YearPrompt};
        QTest::newRow("negative, then cancel")
            << QStringList{"-2011"} << 0 << QStringList{YearPrompt, RangeMessage, YearPrompt};
        QTest::newRow("too large, then cancel")
            << QStringList{"40000"} << 0 << QStringList{YearPrompt, RangeMessage, YearPrompt};
        QTest::newRow("huge, then cancel")
            << QStringList{"1e300"} << 0 << QStringList{YearPrompt, RangeMessage, YearPrompt};
    }

    void askingForTheYear()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, year);
        QFETCH(QStringList, shown);
        ScriptedInteraction ui;
        ui.promptAnswers = answers;
        int asked = 0;

        const QString path = PathOf(NewBlankRoster(asked, ui));

        QCOMPARE(ui.texts(), shown);
        if (year == 0) {
            QVERIFY(path.isEmpty());
            QVERIFY(env_->workFiles().isEmpty());
            return;
        }
        QCOMPARE(asked, year);
        QCOMPARE(DaysOf(path).first().date, QDate(year, 1, 1));
        QCOMPARE(env_->workFiles().size(), 1);
    }

    void aGivenYearIsNotAsked_data()
    {
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("year"); // 0: refused
        QTest::newRow("full year") << 2013 << 2013;
        QTest::newRow("two digits") << 13 << 2013;
        QTest::newRow("out of range") << 12000 << 0;
    }

    void aGivenYearIsNotAsked()
    {
        QFETCH(int, given);
        QFETCH(int, year);
        ScriptedInteraction ui;
        int asked = given;

        const QString path = PathOf(NewBlankRoster(asked, ui));

        if (year == 0) {
            QCOMPARE(ui.texts(), QStringList{RangeMessage});
            QCOMPARE(ui.shown.first().icon, MessageIcon::Warning);
            QVERIFY(path.isEmpty());
            QVERIFY(env_->workFiles().isEmpty());
            return;
        }
        QVERIFY(ui.shown.isEmpty());
        QCOMPARE(asked, year);
        QCOMPARE(DaysOf(path).size(), QDate::isLeapYear(year) ? 366 : 365);
    }

    void noWorkingFileIsReportedAndNothingOpens()
    {
        // A temporary "folder" that is a plain file: no working file can be made in it.
        const QString notAFolder = env_->tempPath() + "/fichier";
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("TMPDIR", notAFolder.toLocal8Bit());
        ScriptedInteraction ui;
        int year = 2011;

        QVERIFY(!NewBlankRoster(year, ui));

        QCOMPARE(ui.texts(),
                 QStringList{"Une erreur s'est produite pendant la création du tour de garde."});
        QCOMPARE(ui.shown.first().icon, MessageIcon::Critical);
        QVERIFY(env_->workFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBlankRoster)
#include "tst_blankroster.moc"
