#include "ExpectedDayTypes.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/NewBlankRoster.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QTest>

namespace {

const QString YearPrompt = QStringLiteral("Entrez l'année du tour de garde:");
const QString RangeMessage =
    QStringLiteral("L'année du tour de garde doit être comprise entre 1900 et 9999.");

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
        QTest::addColumn<QString>("holidays"); // day/month
        QTest::newRow("2012, leap year")
            << 2012 << "1/1 9/4 1/5 8/5 17/5 28/5 14/7 15/8 1/11 11/11 25/12";
        QTest::newRow("2027, holidays on Saturdays")
            << 2027 << "1/1 29/3 1/5 6/5 8/5 17/5 14/7 15/8 1/11 11/11 25/12";
        QTest::newRow("1900, not a leap year")
            << 1900 << "1/1 16/4 1/5 8/5 24/5 4/6 14/7 15/8 1/11 11/11 25/12";
    }

    void everyDayOfTheYearIsUnassignedWithItsType()
    {
        QFETCH(int, year);
        QFETCH(QString, holidays);
        std::unique_ptr<Roster> roster = Roster::load(CreateBlankRoster(year));
        const QList<DayType> types = ExpectedDayTypes(year, holidays);
        QCOMPARE(roster->days().size(), types.size());
        for (qsizetype i = 0; i < types.size(); ++i) {
            const RosterDay& day = roster->days().at(i);
            QCOMPARE(day.date, QDate(year, 1, 1).addDays(i));
            QCOMPARE(day.type, types.at(i));
            QVERIFY(day.doctor.isEmpty() && !day.unavailable);
        }
        QVERIFY(roster->participants().isEmpty());
        Statement shared = roster->database().prepare(R"(SELECT count(*) FROM [Partagé])");
        QVERIFY(shared.step() && shared.integer(0) == 0);
    }

    void askingForTheYear_data()
    {
        QTest::addColumn<int>("given"); // 0: asked
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("year"); // 0: no roster
        QTest::addColumn<QStringList>("shown");

        const QStringList once{YearPrompt};
        const QStringList twice{YearPrompt, YearPrompt};
        const QStringList outOfRange{YearPrompt, RangeMessage, YearPrompt};
        QTest::newRow("blanks around") << 0 << QStringList{" 2011 "} << 2011 << once;
        QTest::newRow("letters, then a year") << 0 << QStringList{"mil", "2011"} << 2011 << twice;
        QTest::newRow("empty answer") << 0 << QStringList{""} << 0 << once;
        QTest::newRow("cancel") << 0 << QStringList{} << 0 << once;
        QTest::newRow("half rounds to even, down") << 0 << QStringList{"2012,5"} << 2012 << once;
        QTest::newRow("half rounds to even, up") << 0 << QStringList{"2013.5"} << 2014 << once;
        QTest::newRow("two digits, 2000s") << 0 << QStringList{"12"} << 2012 << once;
        QTest::newRow("two digits, 1900s") << 0 << QStringList{"45"} << 1945 << once;
        QTest::newRow("last year there is") << 0 << QStringList{"9999"} << 9999 << once;
        QTest::newRow("1899, then 1900") << 0 << QStringList{"1899", "1900"} << 1900 << outOfRange;
        QTest::newRow("10000, then cancel") << 0 << QStringList{"10000"} << 0 << outOfRange;
        QTest::newRow("huge, then cancel") << 0 << QStringList{"1e300"} << 0 << outOfRange;
        QTest::newRow("given in two digits") << 13 << QStringList{} << 2013 << QStringList{};
        QTest::newRow("given out of range")
            << 12000 << QStringList{} << 0 << QStringList{RangeMessage};
    }

    void askingForTheYear()
    {
        QFETCH(int, given);
        QFETCH(QStringList, answers);
        QFETCH(int, year);
        QFETCH(QStringList, shown);
        ScriptedInteraction ui;
        ui.promptAnswers = answers;
        int asked = given;

        std::unique_ptr<RosterDatabase> db = NewBlankRoster(asked, ui);

        QCOMPARE(ui.texts(), shown);
        for (const ScriptedInteraction::Shown& item : ui.shown) {
            if (item.text == RangeMessage)
                QCOMPARE(item.icon, MessageIcon::Warning);
        }
        QCOMPARE(env_->workFiles().size(), year ? 1 : 0);
        if (year) {
            QCOMPARE(asked, year);
            QCOMPARE(Roster::load(std::move(db))->year(), year);
        }
    }

    void noWorkingFileIsReportedAndNothingOpens()
    {
        // A working folder that is a plain file: no working file can be made in it.
        const QString folder = WorkFolder();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(WriteFile(folder, "pas un dossier"));
        ScriptedInteraction ui;
        int year = 2011;

        QVERIFY(!NewBlankRoster(year, ui));

        QCOMPARE(ui.texts(),
                 QStringList{"Une erreur s'est produite pendant la création du tour de garde."});
        QCOMPARE(ui.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(ReadFile(folder), "pas un dossier");
    }
};

QTEST_GUILESS_MAIN(TestBlankRoster)
#include "tst_blankroster.moc"
