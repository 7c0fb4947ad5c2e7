#include "document/ShareRules.h"
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

class TestShareRules : public QObject {
    Q_OBJECT

private slots:
    void oneInterval_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<int>("icon"); // 0: accepted
        const int warning = int(MessageIcon::Warning);
        QTest::newRow("whole day") << u"08:00"_s << u"08:00"_s << u"A"_s << 0;
        QTest::newRow("across midnight") << u"22:00"_s << u"02:00"_s << u"A"_s << 0;
        QTest::newRow("end before start") << u"10:00"_s << u"09:00"_s << u"A"_s << warning;
        QTest::newRow("end at start") << u"10:00"_s << u"10:00"_s << u"A"_s << warning;
        QTest::newRow("no doctor")
            << u"08:00"_s << u"12:00"_s << QString() << int(MessageIcon::Information);
    }

    void oneInterval()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, doctor);
        QFETCH(int, icon);
        const SharedInterval interval = Interval(doctor, start, end);
        const std::optional<Notice> problem = IntervalProblem(interval.start, interval.end, doctor);
        QCOMPARE(problem ? int(problem->icon) : 0, icon);
    }

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
        QTest::newRow("empty") << QList<SharedInterval>{}
                               << u"La liste des médecins partageant la garde est vide."_s;
    }

    void wholeShare()
    {
        QFETCH(QList<SharedInterval>, intervals);
        QFETCH(QString, message);
        const std::optional<Notice> problem = ShareProblem(intervals);
        QCOMPARE(problem ? problem->message : QString(), message);
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

QTEST_GUILESS_MAIN(TestShareRules)
#include "tst_sharerules.moc"
