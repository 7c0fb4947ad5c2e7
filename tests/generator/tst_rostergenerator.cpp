#include "ExpectedDayTypes.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "generator/RosterGenerator.h"
#include "generator/WeekdayRotation.h"
#include "store/Roster.h"

#include <QTest>

namespace {

QStringList Names(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString(QChar('A' + i)));
    return names;
}

// A roster of weekdays only.
GenerationAnswers WeekdaysOnly(int year, const QStringList& names, WeekdayOption option)
{
    GenerationAnswers answers;
    answers.year = year;
    answers.includesWeekends = false;
    answers.eveOption = false;
    answers.weekday.participants = names;
    answers.weekday.option = option;
    answers.weekday.periodTable = BuildPeriodTable(names, option);
    answers.weekday.floatingParticipant = names.last();
    answers.weekday.firstParticipant = names.first();
    return answers;
}

QString DoctorOn(const GeneratedRoster& roster, QDate day)
{
    return roster.days.value(QDate(day.year(), 1, 1).daysTo(day)).doctor;
}

// Who is on duty, day after day, as the expected duties ("A A . B", a dot for nobody) give
// them: compared with these, it shows the first day that differs.
QString DutiesFrom(const GeneratedRoster& roster, QDate from, const QString& expected)
{
    QStringList duties;
    for (qsizetype i = 0; i <= expected.count(' '); ++i) {
        const QString doctor = DoctorOn(roster, from.addDays(i));
        duties.append(doctor.isEmpty() ? QStringLiteral(".") : doctor);
    }
    return duties.join(' ');
}

const QStringList Seven{"Arnaud",         "Benoît",    "Chloé", "D'Estaing",
                        "\"Doc\" Martin", "Fabre; F.", "Gilles"};
const QStringList Six{"Henri", "Chloé", "Isabelle", "Jean", "Karim", "Léa"};

// The answers of an organiser: 7 weekday participants with option 2, 6 weekend participants
// with grouping and the eve option.
GenerationAnswers FullYear(int year)
{
    GenerationAnswers answers = WeekdaysOnly(year, Seven, WeekdayOption::Option2);
    answers.includesWeekends = true;
    answers.eveOption = true;
    answers.grouping = true;
    answers.weekday.step5Choice = 3;
    answers.weekend = {Six, "Isabelle"};
    answers.administrativeData = {
        {"Chloé", "Chloé Dumas", "04 1 23456 7", "1 rue Haute", "04400", "Barcelonnette"}};
    return answers;
}

} // namespace

class TestRosterGenerator : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void weekendRuns_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<bool>("eve");
        QTest::addColumn<QString>("duties");
        // Each weekend, and each holiday from Monday to Friday that is not grouped, moves the
        // rotation on: 23 April 2011 is the 17th weekend of the year.
        QTest::newRow("2011, New Year's weekend then the next")
            << QDate(2011, 1, 1) << false << false << "A A . . . . . B B . . . . . C";
        QTest::newRow("2011, Easter Monday without grouping")
            << QDate(2011, 4, 23) << false << false << "B B C . . . . A";
        QTest::newRow("2011, Easter weekend grouped")
            << QDate(2011, 4, 23) << true << false << "B B B . . . . C";
        QTest::newRow("2010, Friday New Year grouped with its weekend")
            << QDate(2010, 1, 1) << true << false << "A A A . . . . . B";
        QTest::newRow("2010, Friday New Year without grouping")
            << QDate(2010, 1, 1) << false << false << "A B B";
        QTest::newRow("2011, eve of Ascension") << QDate(2011, 5, 31) << false << true << ". C C .";
        QTest::newRow("2011, Sunday eve of Whit Monday without grouping")
            << QDate(2011, 6, 11) << false << true << "B B C";
        QTest::newRow("2011, Sunday eve of Whit Monday grouped")
            << QDate(2011, 6, 11) << true << true << "A A A . . . . B";
        QTest::newRow("2013, eve of the next New Year")
            << QDate(2013, 12, 28) << false << true << "B B . C";
        QTest::newRow("2013, 31 December without the eve")
            << QDate(2013, 12, 28) << false << false << "B B . .";
    }

    void weekendRuns()
    {
        QFETCH(QDate, from);
        QFETCH(bool, grouping);
        QFETCH(bool, eve);
        QFETCH(QString, duties);
        GenerationAnswers answers;
        answers.year = from.year();
        answers.includesWeekdays = false;
        answers.eveOption = eve;
        answers.grouping = grouping;
        answers.weekend = {{"A", "B", "C"}, "A"};
        QCOMPARE(DutiesFrom(GenerateRoster(answers), from, duties), duties);
    }

    void onlyTheChosenRotationsAreServed_data()
    {
        QTest::addColumn<bool>("weekdays");
        QTest::newRow("weekdays only") << true;
        QTest::newRow("weekends and holidays only") << false;
    }

    void onlyTheChosenRotationsAreServed()
    {
        QFETCH(bool, weekdays);
        GenerationAnswers answers = FullYear(2011);
        answers.includesWeekdays = weekdays;
        answers.includesWeekends = !weekdays;
        answers.eveOption = false;
        const GeneratedRoster roster = GenerateRoster(answers);
        for (const GeneratedDay& day : roster.days) {
            QVERIFY2(day.doctor.isEmpty() == ((day.type == DayType::Weekday) != weekdays),
                     qPrintable(day.date.toString()));
        }
        QCOMPARE(roster.participants.size(), (weekdays ? Seven : Six).size());
        for (const GeneratedParticipant& participant : roster.participants)
            QVERIFY(participant.weekdays == weekdays && participant.weekends != weekdays);
    }

    void fixedDayRuns_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("weekCounter");
        QTest::addColumn<QString>("duties");
        // 2011 starts on Monday 3 January at position 1: Mondays are A, Tuesdays B...
        QTest::newRow("Easter Monday consumes its fixed day")
            << QDate(2011, 4, 18) << Names(5) << 1 << "A B C D E . . . B C";
        // 2013 starts on Tuesday at position 2: Thursdays and Fridays are blank.
        QTest::newRow("blank positions") << QDate(2013, 1, 7) << Names(3) << 1 << "A B C . .";
        // The second week of the period holds Wednesday 2 January 2013, at position 8.
        QTest::newRow("ten names, second week")
            << QDate(2013, 1, 1) << Names(10) << 2 << ". H I J . . A B C D E . . F";
    }

    void fixedDayRuns()
    {
        QFETCH(QDate, from);
        QFETCH(QStringList, names);
        QFETCH(int, weekCounter);
        QFETCH(QString, duties);
        GenerationAnswers answers = WeekdaysOnly(from.year(), names, WeekdayOption::Option1);
        answers.weekday.weekCounter = weekCounter;
        const GeneratedRoster roster = GenerateRoster(answers);
        QCOMPARE(DutiesFrom(roster, from, duties), duties);
        for (const GeneratedDay& day : roster.days)
            QVERIFY(!day.doctor.startsWith('<'));
        QCOMPARE(roster.participants.size(), names.size());
    }

    void sundayOrMondayHolidayNeverConsumesANoFixedDayPosition()
    {
        const GeneratedRoster roster =
            GenerateRoster(WeekdaysOnly(2011, {"A", "B", "C"}, WeekdayOption::NoFixedDay));
        // The list runs on strictly over the weekday days, whatever the holidays in between.
        QStringList served;
        for (const GeneratedDay& day : roster.days) {
            if (!day.doctor.isEmpty())
                served.append(day.doctor);
        }
        for (int i = 0; i < served.size(); ++i)
            QCOMPARE(served.at(i), QStringList({"A", "B", "C"}).at(i % 3));
        QCOMPARE(DoctorOn(roster, {2011, 4, 25}), QString()); // Easter Monday
    }

    // A leap year from the organiser's answers: every day once, in order, with its type and one
    // of the names; one row per participant; written whole to a roster file.
    void wholeYearIsWellFormedAndWrittenWhole()
    {
        const GeneratedRoster generated = GenerateRoster(FullYear(2012));
        const QList<DayType> types =
            ExpectedDayTypes(2012, "1/1 9/4 1/5 8/5 17/5 28/5 14/7 15/8 1/11 11/11 25/12");
        QCOMPARE(generated.days.size(), types.size());
        for (qsizetype i = 0; i < generated.days.size(); ++i) {
            const GeneratedDay& day = generated.days.at(i);
            QCOMPARE(day.date, QDate(2012, 1, 1).addDays(i));
            QCOMPARE(day.type, types.at(i));
            QVERIFY2(day.doctor.isEmpty() || (Seven + Six).contains(day.doctor),
                     qPrintable(day.doctor));
        }
        QCOMPARE(DoctorOn(generated, {2012, 1, 1}), QStringLiteral("Isabelle"));
        QCOMPARE(generated.participants.size(), 12);
        for (const GeneratedParticipant& participant : generated.participants) {
            const bool both = participant.doctor == "Chloé";
            QCOMPARE(participant.weekdays && participant.weekends, both);
            QCOMPARE(participant.administrativeData.town, both ? "Barcelonnette" : "");
        }

        std::unique_ptr<Roster> roster = Roster::load(WriteGeneratedRoster(generated));
        QVERIFY(roster);
        for (qsizetype i = 0; i < generated.days.size(); ++i) {
            QCOMPARE(roster->days().at(i).doctor, generated.days.at(i).doctor);
            QCOMPARE(roster->days().at(i).type, generated.days.at(i).type);
        }
        QCOMPARE(roster->participants().size(), 12);
    }

    void failedWriteIsReportedAndLeavesNothing()
    {
        GenerationAnswers answers = FullYear(2012);
        answers.weekend.order[1] = QString(51, 'x');
        ScriptedInteraction ui;

        QVERIFY(!CreateGeneratedRoster(answers, ui));

        QCOMPARE(ui.shown.size(), 1);
        QCOMPARE(ui.shown.first().icon, MessageIcon::Critical);
        QVERIFY(env_->workFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRosterGenerator)
#include "tst_rostergenerator.moc"
