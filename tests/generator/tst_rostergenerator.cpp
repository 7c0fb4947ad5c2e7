#include "BlankRoster.h"
#include "Roster.h"
#include "RosterDatabase.h"
#include "RosterGenerator.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "WeekdayRotation.h"

#include <QTest>

namespace {

// A roster of weekends and holidays only, with the weekend list in this order.
GenerationAnswers WeekendsOnly(int year, const QStringList& order, bool grouping, bool eve)
{
    GenerationAnswers answers;
    answers.year = year;
    answers.includesWeekdays = false;
    answers.eveOption = eve;
    answers.grouping = grouping;
    answers.weekend = {order, order.first()};
    return answers;
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
    for (const GeneratedDay& generated : roster.days) {
        if (generated.date == day)
            return generated.doctor;
    }
    return QStringLiteral("(absent)");
}

QStringList DoctorsOn(const GeneratedRoster& roster, const QList<QDate>& days)
{
    QStringList doctors;
    for (QDate day : days)
        doctors.append(DoctorOn(roster, day));
    return doctors;
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

private slots:
    void weekendRuns_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<bool>("eve");
        QTest::addColumn<QList<QDate>>("days");
        QTest::addColumn<QStringList>("doctors");
        // Each weekend, and each holiday from Monday to Friday that is not grouped, moves the
        // rotation on: 23 April 2011 is the 17th weekend of the year.
        QTest::newRow("2011, New Year's weekend then the next")
            << 2011 << false << false << QList<QDate>{{2011, 1, 1}, {2011, 1, 2}, {2011, 1, 7},
                                                      {2011, 1, 8}, {2011, 1, 9}, {2011, 1, 15}}
            << QStringList{"A", "A", "", "B", "B", "C"};
        QTest::newRow("2011, Easter Monday without grouping")
            << 2011 << false << false
            << QList<QDate>{{2011, 4, 23}, {2011, 4, 24}, {2011, 4, 25}, {2011, 4, 30}}
            << QStringList{"B", "B", "C", "A"};
        QTest::newRow("2011, Easter weekend grouped")
            << 2011 << true << false
            << QList<QDate>{{2011, 4, 23}, {2011, 4, 24}, {2011, 4, 25}, {2011, 4, 30}}
            << QStringList{"B", "B", "B", "C"};
        QTest::newRow("2010, Friday New Year grouped with its weekend")
            << 2010 << true << false
            << QList<QDate>{{2010, 1, 1}, {2010, 1, 2}, {2010, 1, 3}, {2010, 1, 9}}
            << QStringList{"A", "A", "A", "B"};
        QTest::newRow("2010, Friday New Year without grouping")
            << 2010 << false << false << QList<QDate>{{2010, 1, 1}, {2010, 1, 2}, {2010, 1, 3}}
            << QStringList{"A", "B", "B"};
        QTest::newRow("2011, eve of Ascension")
            << 2011 << false << true
            << QList<QDate>{{2011, 5, 31}, {2011, 6, 1}, {2011, 6, 2}, {2011, 6, 3}}
            << QStringList{"", "C", "C", ""};
        QTest::newRow("2011, Sunday eve of Whit Monday without grouping")
            << 2011 << false << true << QList<QDate>{{2011, 6, 11}, {2011, 6, 12}, {2011, 6, 13}}
            << QStringList{"B", "B", "C"};
        QTest::newRow("2011, Sunday eve of Whit Monday grouped")
            << 2011 << true << true
            << QList<QDate>{{2011, 6, 11}, {2011, 6, 12}, {2011, 6, 13}, {2011, 6, 18}}
            << QStringList{"A", "A", "A", "B"};
    }

    void weekendRuns()
    {
        QFETCH(int, year);
        QFETCH(bool, grouping);
        QFETCH(bool, eve);
        QFETCH(QList<QDate>, days);
        QFETCH(QStringList, doctors);
        const GeneratedRoster roster =
            GenerateRoster(WeekendsOnly(year, {"A", "B", "C"}, grouping, eve));
        QCOMPARE(DoctorsOn(roster, days), doctors);
    }

    void eveOfNewYearIsServedByTheWeekendRotation()
    {
        GenerationAnswers answers = FullYear(2013);
        const GeneratedRoster roster = GenerateRoster(answers);
        QVERIFY(Six.contains(DoctorOn(roster, {2013, 12, 31})));
        QCOMPARE(roster.days.last().type, DayType::Weekday);
        answers.eveOption = false;
        QVERIFY(Seven.contains(DoctorOn(GenerateRoster(answers), {2013, 12, 31})));
    }

    void withoutWeekendsHolidaysStayEmpty()
    {
        const GeneratedRoster roster =
            GenerateRoster(WeekdaysOnly(2011, Seven.mid(0, 5), WeekdayOption::Option1));
        for (const GeneratedDay& day : roster.days) {
            if (day.type != DayType::Weekday)
                QVERIFY2(day.doctor.isEmpty(), qPrintable(day.date.toString()));
            else
                QVERIFY2(!day.doctor.isEmpty(), qPrintable(day.date.toString()));
        }
        for (const GeneratedParticipant& participant : roster.participants)
            QVERIFY(participant.weekdays && !participant.weekends);
    }

    void withoutWeekdaysOnlyWeekendsAreServed()
    {
        GenerationAnswers answers = FullYear(2011);
        answers.includesWeekdays = false;
        const GeneratedRoster roster = GenerateRoster(answers);
        QCOMPARE(DoctorOn(roster, {2011, 3, 1}), QString());
        QCOMPARE(roster.participants.size(), Six.size());
        for (const GeneratedParticipant& participant : roster.participants)
            QVERIFY(participant.weekends && !participant.weekdays);
    }

    void easterMondayConsumesItsFixedDay()
    {
        // 2011 starts on Monday 3 January at position 1: Mondays are A, Tuesdays B...
        const GeneratedRoster roster =
            GenerateRoster(WeekdaysOnly(2011, {"A", "B", "C", "D", "E"}, WeekdayOption::Option1));
        QCOMPARE(
            DoctorsOn(roster,
                      {{2011, 4, 18}, {2011, 4, 19}, {2011, 4, 25}, {2011, 4, 26}, {2011, 4, 27}}),
            (QStringList{"A", "B", "", "B", "C"}));
    }

    void easterMondayKeepsTheNoFixedDayTurn()
    {
        const QStringList names{"A", "B", "C", "D", "E"};
        const GeneratedRoster roster =
            GenerateRoster(WeekdaysOnly(2011, names, WeekdayOption::NoFixedDay));
        const QString friday = DoctorOn(roster, {2011, 4, 22});
        QCOMPARE(DoctorOn(roster, {2011, 4, 25}), QString());
        QCOMPARE(DoctorOn(roster, {2011, 4, 26}), names.at((names.indexOf(friday) + 1) % 5));
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
    }

    void fixedDaysRepeatEveryPeriod_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("weekCounter");
        QTest::newRow("10 names, second week") << 10 << 2;
        QTest::newRow("7 names and 3 blank days") << 7 << 1;
        QTest::newRow("5 names") << 5 << 1;
        QTest::newRow("11 names, third week") << 11 << 3;
    }

    void fixedDaysRepeatEveryPeriod()
    {
        QFETCH(int, count);
        QFETCH(int, weekCounter);
        const QStringList names = (Seven + Six).mid(0, count);
        GenerationAnswers answers = WeekdaysOnly(2012, names, WeekdayOption::Option1);
        answers.weekday.weekCounter = weekCounter;
        const GeneratedRoster roster = GenerateRoster(answers);
        const int period = PeriodLength(count, WeekdayOption::Option1);
        QList<GeneratedDay> mondayToFriday;
        for (const GeneratedDay& day : roster.days) {
            if (!IsWeekend(day.date))
                mondayToFriday.append(day);
        }
        int compared = 0;
        for (int i = 0; i + period < mondayToFriday.size(); ++i) {
            const GeneratedDay& day = mondayToFriday.at(i);
            const GeneratedDay& later = mondayToFriday.at(i + period);
            if (day.type != DayType::Weekday || later.type != DayType::Weekday)
                continue;
            QCOMPARE(later.doctor, day.doctor);
            ++compared;
        }
        QVERIFY(compared > 200);
    }

    void wholeYearIsWellFormed_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("dayCount");
        QTest::newRow("2011") << 2011 << 365;
        QTest::newRow("2012") << 2012 << 366;
        QTest::newRow("2013") << 2013 << 365;
    }

    void wholeYearIsWellFormed()
    {
        QFETCH(int, year);
        QFETCH(int, dayCount);
        const GeneratedRoster roster = GenerateRoster(FullYear(year));
        QCOMPARE(roster.days.size(), dayCount);
        const QStringList names = Seven + Six;
        for (qsizetype i = 0; i < roster.days.size(); ++i) {
            const GeneratedDay& day = roster.days.at(i);
            QCOMPARE(day.date, QDate(year, 1, 1).addDays(i));
            QCOMPARE(day.type, DayTypeOf(day.date));
            QVERIFY2(day.doctor.isEmpty() || names.contains(day.doctor), qPrintable(day.doctor));
        }
        QCOMPARE(DoctorOn(roster, {year, 1, 1}), QStringLiteral("Isabelle"));
    }

    void participantsOfBothListsHaveOneRow()
    {
        const GeneratedRoster roster = GenerateRoster(FullYear(2013));
        QCOMPARE(roster.participants.size(), 12);
        int both = 0;
        for (const GeneratedParticipant& participant : roster.participants) {
            if (participant.doctor == "Chloé") {
                ++both;
                QVERIFY(participant.weekdays && participant.weekends);
                QCOMPARE(participant.administrativeData.town, QStringLiteral("Barcelonnette"));
                QCOMPARE(participant.administrativeData.civilName, QStringLiteral("Chloé Dumas"));
            }
        }
        QCOMPARE(both, 1);
    }

    void blankPositionsAreWrittenEmpty()
    {
        const GeneratedRoster roster =
            GenerateRoster(WeekdaysOnly(2013, {"A", "B", "C"}, WeekdayOption::Option1));
        for (const GeneratedDay& day : roster.days)
            QVERIFY(!day.doctor.startsWith('<'));
        // 2013 starts on Tuesday at position 2: Thursdays and Fridays are blank.
        QCOMPARE(
            DoctorsOn(roster,
                      {{2013, 1, 7}, {2013, 1, 8}, {2013, 1, 9}, {2013, 1, 10}, {2013, 1, 11}}),
            (QStringList{"A", "B", "C", "", ""}));
        QCOMPARE(roster.participants.size(), 3);
    }
};

class TestGeneratedRosterFile : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void generatedYearIsWrittenWhole_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("dayCount");
        QTest::newRow("2011") << 2011 << 365;
        QTest::newRow("2012") << 2012 << 366;
    }

    void generatedYearIsWrittenWhole()
    {
        QFETCH(int, year);
        QFETCH(int, dayCount);
        const GeneratedRoster generated = GenerateRoster(FullYear(year));
        std::unique_ptr<RosterDatabase> db = WriteGeneratedRoster(generated);
        QVERIFY(db);
        std::unique_ptr<Roster> roster = Roster::load(std::move(db));
        QVERIFY(roster);
        QCOMPARE(roster->days().size(), dayCount);
        for (qsizetype i = 0; i < generated.days.size(); ++i) {
            QCOMPARE(roster->days().at(i).doctor, generated.days.at(i).doctor);
            QCOMPARE(roster->days().at(i).type, generated.days.at(i).type);
        }
        QCOMPARE(roster->participants().size(), generated.participants.size());
        QVERIFY(roster->participants().contains("\"Doc\" Martin"));
        QVERIFY(roster->participants().contains("D'Estaing"));
    }

    void failedWriteIsReportedAndLeavesNothing()
    {
        GenerationAnswers answers = FullYear(2012);
        answers.weekend.order[1] = QString(51, 'x');
        ScriptedInteraction ui;

        QVERIFY(!CreateGeneratedRoster(answers, ui));

        QCOMPARE(ui.texts(),
                 QStringList{"Une erreur s'est produite pendant la création du tour de garde."});
        QCOMPARE(ui.shown.first().icon, MessageIcon::Critical);
        QVERIFY(env_->workFiles().isEmpty());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestRosterGenerator generator;
    TestGeneratedRosterFile file;
    return QTest::qExec(&generator, argc, argv) | QTest::qExec(&file, argc, argv);
}
#include "tst_rostergenerator.moc"
