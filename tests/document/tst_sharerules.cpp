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
