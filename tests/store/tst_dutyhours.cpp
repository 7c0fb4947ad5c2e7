#include "store/DutyHours.h"

#include <QTest>

class TestDutyHours : public QObject {
    Q_OBJECT

private slots:
    // Hours count from 08:00, the start of the duty day, up to 24 at 08:00 the next morning.
    void textToHours_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("startHours"); // -1: refused
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("endHours");
        QTest::newRow("whole duty day") << "08:00" << 0.0 << "08:00" << 24.0;
        QTest::newRow("morning") << "08:30" << 0.5 << "14:00" << 6.0;
        QTest::newRow("last half hour before midnight") << "23:30" << 15.5 << "00:00" << 16.0;
        QTest::newRow("across midnight") << "22:00" << 14.0 << "02:00" << 18.0;
        QTest::newRow("midnight start") << "00:00" << 16.0 << "07:30" << 23.5;
        QTest::newRow("quarter past") << "08:15" << -1.0 << "09:00" << -1.0;
        QTest::newRow("hour 24") << "24:00" << -1.0 << "08:00" << -1.0;
        QTest::newRow("one digit") << "8:00" << -1.0 << "09:00" << -1.0;
        QTest::newRow("empty end") << "08:00" << -1.0 << "" << -1.0;
        QTest::newRow("words") << "huit" << -1.0 << "neuf" << -1.0;
    }

    void textToHours()
    {
        QFETCH(QString, start);
        QFETCH(double, startHours);
        QFETCH(QString, end);
        QFETCH(double, endHours);
        const std::optional<DutyInterval> interval = TextToHours(start, end);
        QCOMPARE(interval.has_value(), startHours >= 0);
        if (!interval)
            return;
        QCOMPARE(interval->start, startHours);
        QCOMPARE(interval->end, endHours);
        QCOMPARE(HoursToText(interval->start), start);
        QCOMPARE(HoursToText(interval->end), end);
    }
};

QTEST_GUILESS_MAIN(TestDutyHours)
#include "tst_dutyhours.moc"
