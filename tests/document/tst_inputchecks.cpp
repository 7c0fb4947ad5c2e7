#include "document/AbsenceCheck.h"
#include "document/ShareCheck.h"
#include "store/DutyHours.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

SharedInterval Interval(const QString& doctor, const QString& start, const QString& end)
{
    const DutyInterval hours = TextToHours(start, end).value();
    return {doctor, hours.start, hours.end};
}

} // namespace

class TestInputChecks : public QObject {
    Q_OBJECT

private slots:
    void wholeShare_data()
    {
        QTest::addColumn<QList<SharedInterval>>("intervals");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString overlap =
            u"Un ou plusieurs des intervalles se chevauchent.\r\nVeuillez revoir ces valeurs."_s;
        const SharedInterval morning = Interval("A", "08:00", "14:00");
        QTest::newRow("end is exclusive")
            << QList<SharedInterval>{morning, Interval("B", "14:00", "08:00")} << QString();
        QTest::newRow("overlap") << QList<SharedInterval>{morning, Interval("B", "13:30", "20:00")}
                                 << overlap;
        QTest::newRow("overlap listed last first")
            << QList<SharedInterval>{Interval("B", "13:30", "20:00"), morning} << overlap;
    }

    void wholeShare()
    {
        QFETCH(QList<SharedInterval>, intervals);
        QFETCH(QString, message);
        const std::optional<Notice> problem = ShareProblem(intervals);
        QCOMPARE(problem ? problem->message : QString(), message);
    }

    // A participant's periods that share a day with the one added become one; a period of the
    // day after, or another participant's, stays apart.
    void absencesMerged_data()
    {
        QTest::addColumn<QString>("added"); // doctor, first and last days of August, reason
        QTest::addColumn<QStringList>("absences");
        QTest::newRow("overlapping the end, its reason kept")
            << "A 9 12 " << QStringList{"A 1 12 Congés", "A 20 25 Formation"};
        QTest::newRow("the day after, apart")
            << "A 11 12 Garde"
            << QStringList{"A 1 10 Congés", "A 11 12 Garde", "A 20 25 Formation"};
        QTest::newRow("spanning both, its own reason")
            << "A 10 20 Maladie" << QStringList{"A 1 25 Maladie"};
        QTest::newRow("another participant")
            << "B 5 6 " << QStringList{"A 1 10 Congés", "A 20 25 Formation", "B 5 6 "};
        QTest::newRow("inside one")
            << "A 3 4 " << QStringList{"A 1 10 Congés", "A 20 25 Formation"};
    }

    void absencesMerged()
    {
        QFETCH(QString, added);
        QFETCH(QStringList, absences);
        const auto absence = [](const QString& text) {
            const QStringList part = text.split(' ');
            return Absence{part[0], QDate(2011, 8, part[1].toInt()),
                           QDate(2011, 8, part[2].toInt()), part[3]};
        };
        QList<Absence> expected;
        for (const QString& text : absences)
            expected.append(absence(text));
        const QList<Absence> before{absence("A 20 25 Formation"), absence("A 1 10 Congés")};
        QCOMPARE(WithAbsence(before, absence(added)), expected);
    }

    // Consecutive days make one period, whatever their order.
    void daysBecomePeriods()
    {
        const QList<QDate> days{
            {2011, 3, 5}, {2011, 3, 3}, {2011, 3, 4}, {2011, 3, 7}, {2011, 3, 4}};
        QCOMPARE(AbsencesOfDays("B", days, "Indisponible"),
                 (QList<Absence>{{"B", {2011, 3, 3}, {2011, 3, 5}, "Indisponible"},
                                 {"B", {2011, 3, 7}, {2011, 3, 7}, "Indisponible"}}));
    }

    // Half an hour a step, both ways, round the clock in 48 steps.
    void pickerSteps()
    {
        QCOMPARE(StepClockTime("08:00", true), u"08:30"_s);
        QCOMPARE(StepClockTime("23:30", true), u"00:00"_s);
        QCOMPARE(StepClockTime("00:00", false), u"23:30"_s);
        QString time = u"08:00"_s;
        QSet<QString> seen;
        for (int i = 0; i < 48; ++i) {
            seen.insert(time);
            const QString next = StepClockTime(time, true);
            QCOMPARE(StepClockTime(next, false), time);
            time = next;
        }
        QCOMPARE(time, u"08:00"_s);
        QCOMPARE(seen.size(), 48);
    }
};

QTEST_GUILESS_MAIN(TestInputChecks)
#include "tst_inputchecks.moc"
