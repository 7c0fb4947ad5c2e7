#include "DutyHours.h"

#include <QTest>

class TestDutyHours : public QObject {
    Q_OBJECT

private slots:
    void hoursToText_data()
    {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("text");
        QTest::newRow("start of the duty day") << 0.0 << "08:00";
        QTest::newRow("half past eight") << 0.5 << "08:30";
        QTest::newRow("last half hour before midnight") << 15.5 << "23:30";
        QTest::newRow("midnight") << 16.0 << "00:00";
        QTest::newRow("next morning") << 23.5 << "07:30";
        QTest::newRow("end of the duty day") << 24.0 << "08:00";
    }

    void hoursToText()
    {
        QFETCH(double, hours);
        QFETCH(QString, text);
        QCOMPARE(HoursToText(hours), text);
    }

    void textToHours_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("startHours");
        QTest::addColumn<double>("endHours");
        QTest::newRow("whole duty day") << "08:00"
                                        << "08:00" << 0.0 << 24.0;
        QTest::newRow("evening") << "20:30"
                                 << "08:00" << 12.5 << 24.0;
        QTest::newRow("across midnight") << "22:00"
                                         << "02:00" << 14.0 << 18.0;
        QTest::newRow("midnight start") << "00:00"
                                        << "07:30" << 16.0 << 23.5;
        QTest::newRow("morning") << "08:30"
                                 << "14:00" << 0.5 << 6.0;
    }

    void textToHours()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(double, startHours);
        QFETCH(double, endHours);
        const std::optional<DutyInterval> interval = TextToHours(start, end);
        QVERIFY(interval);
        QCOMPARE(interval->start, startHours);
        QCOMPARE(interval->end, endHours);
        QCOMPARE(HoursToText(interval->start), start);
        QCOMPARE(HoursToText(interval->end), end);
    }

    void textToHoursRefusesWhatIsNotAHalfHour_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("quarter past") << "08:15"
                                      << "09:00";
        QTest::newRow("hour 24") << "24:00"
                                 << "08:00";
        QTest::newRow("one digit") << "8:00"
                                   << "09:00";
        QTest::newRow("empty end") << "08:00"
                                   << "";
        QTest::newRow("words") << "huit"
                               << "neuf";
    }

    void textToHoursRefusesWhatIsNotAHalfHour()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QVERIFY(!TextToHours(start, end));
    }
};

QTEST_GUILESS_MAIN(TestDutyHours)
#include "tst_dutyhours.moc"
