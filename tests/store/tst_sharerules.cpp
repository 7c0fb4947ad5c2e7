#include "DutyHours.h"
#include "ShareRules.h"

#include <QTest>

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
        QTest::newRow("whole day") << "08:00"
                                   << "08:00"
                                   << "A" << 0;
        QTest::newRow("across midnight") << "22:00"
                                         << "02:00"
                                         << "A" << 0;
        QTest::newRow("end before start") << "10:00"
                                          << "09:00"
                                          << "A" << int(MessageIcon::Warning);
        QTest::newRow("end at start") << "10:00"
                                      << "10:00"
                                      << "A" << int(MessageIcon::Warning);
        QTest::newRow("no doctor") << "08:00"
                                   << "12:00"
                                   << "" << int(MessageIcon::Information);
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
        const QString overlap = QStringLiteral(
            "Un ou plusieurs des intervalles se chevauchent.\r\nVeuillez revoir ces valeurs.");
        QTest::newRow("end is exclusive") << QList<SharedInterval>{Interval("A", "08:00", "14:00"),
                                                                   Interval("B", "14:00", "08:00")}
                                          << "";
        QTest::newRow("overlap") << QList<SharedInterval>{Interval("A", "08:00", "14:00"),
                                                          Interval("B", "13:30", "20:00")}
                                 << overlap;
        QTest::newRow("overlap listed last first")
            << QList<SharedInterval>{Interval("B", "13:30", "20:00"),
                                     Interval("A", "08:00", "14:00")}
            << overlap;
        QTest::newRow("same start") << QList<SharedInterval>{Interval("A", "20:00", "22:00"),
                                                             Interval("A", "20:00", "21:00")}
                                    << overlap;
        QTest::newRow("gaps and one doctor twice")
            << QList<SharedInterval>{Interval("A", "08:00", "10:00"),
                                     Interval("A", "20:00", "02:00")}
            << "";
        QTest::newRow("empty") << QList<SharedInterval>{}
                               << "La liste des médecins partageant la garde est vide.";
    }

    void wholeShare()
    {
        QFETCH(QList<SharedInterval>, intervals);
        QFETCH(QString, message);
        const std::optional<Notice> problem = ShareProblem(intervals);
        QCOMPARE(problem ? problem->message : QString(), message);
    }

    void pickerSteps_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("to");
        QTest::newRow("up to the half hour") << "08:00" << true << "08:30";
        QTest::newRow("up to the hour") << "08:30" << true << "09:00";
        QTest::newRow("up past midnight") << "23:30" << true << "00:00";
        QTest::newRow("down past midnight") << "00:00" << false << "23:30";
        QTest::newRow("down to the hour") << "10:30" << false << "10:00";
    }

    void pickerSteps()
    {
        QFETCH(QString, from);
        QFETCH(bool, up);
        QFETCH(QString, to);
        QCOMPARE(StepClockTime(from, up), to);
    }

    void pickerCoversTheClockIn48Steps()
    {
        QString time = QStringLiteral("08:00");
        QSet<QString> seen;
        for (int i = 0; i < 48; ++i) {
            seen.insert(time);
            time = StepClockTime(time, true);
        }
        QCOMPARE(time, QStringLiteral("08:00"));
        QCOMPARE(seen.size(), 48);
    }
};

QTEST_GUILESS_MAIN(TestShareRules)
#include "tst_sharerules.moc"
