#include "Calendar.h"

#include <QTest>

// Easter Sunday from the nineteen paschal full moons the program once used. Those dates are
// right from 1975 to 2048 only, which makes them a check of the computus inside that range.
static QDate EasterFromFullMoonTable(int year)
{
    static const int days[19] = {23, 11, 31, 18, 8,  28, 16, 5,  25, 13,
                                 2,  21, 9,  30, 18, 6,  27, 15, 4};
    static const int months[19] = {3, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 3, 4, 4, 3, 4, 4};
    const int index = ((year - 1997) % 19 + 19) % 19;
    const QDate fullMoon(year, months[index], days[index]);
    return fullMoon.addDays(8 - WeekdayOf(fullMoon));
}

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void easterSunday_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        QTest::newRow("2011") << 2011 << QDate(2011, 4, 24);
        QTest::newRow("2008, earliest full moon") << 2008 << QDate(2008, 3, 23);
        QTest::newRow("1997") << 1997 << QDate(1997, 3, 30);
        QTest::newRow("2015") << 2015 << QDate(2015, 4, 5);
        QTest::newRow("2049, after the old table") << 2049 << QDate(2049, 4, 18);
        QTest::newRow("2065") << 2065 << QDate(2065, 3, 29);
        QTest::newRow("2069") << 2069 << QDate(2069, 4, 14);
        QTest::newRow("1974, before the old table") << 1974 << QDate(1974, 4, 14);
        QTest::newRow("1970") << 1970 << QDate(1970, 3, 29);
        QTest::newRow("1900") << 1900 << QDate(1900, 4, 15);
        QTest::newRow("9999") << 9999 << QDate(9999, 3, 28);
    }

    void easterSunday()
    {
        QFETCH(int, year);
        QFETCH(QDate, easter);
        QCOMPARE(EasterSunday(year), easter);
    }

    void easterAgreesWithTheFullMoonTableFrom1975To2048()
    {
        for (int year = 1975; year <= 2048; ++year)
            QCOMPARE(EasterSunday(year), EasterFromFullMoonTable(year));
    }

    void dayTypes_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("holiday");
        QTest::addColumn<bool>("weekend");
        QTest::addColumn<int>("type");
        // Movable holidays.
        QTest::newRow("Easter Sunday 2011") << QDate(2011, 4, 24) << false << true << 2;
        QTest::newRow("Easter Monday 2011") << QDate(2011, 4, 25) << true << false << 2;
        QTest::newRow("Ascension 2011") << QDate(2011, 6, 2) << true << false << 2;
        QTest::newRow("Whit Sunday 2011") << QDate(2011, 6, 12) << false << true << 2;
        QTest::newRow("Whit Monday 2011") << QDate(2011, 6, 13) << true << false << 2;
        QTest::newRow("Easter Monday 2008") << QDate(2008, 3, 24) << true << false << 2;
        QTest::newRow("Ascension 2008 on 1 May") << QDate(2008, 5, 1) << true << false << 2;
        QTest::newRow("Whit Monday 2008") << QDate(2008, 5, 12) << true << false << 2;
        QTest::newRow("Easter Monday 1997") << QDate(1997, 3, 31) << true << false << 2;
        QTest::newRow("Easter Monday 2015") << QDate(2015, 4, 6) << true << false << 2;
        QTest::newRow("Easter Monday 2049") << QDate(2049, 4, 19) << true << false << 2;
        QTest::newRow("old table's Easter Monday 2049")
            << QDate(2049, 4, 26) << false << false << 0;
        QTest::newRow("Ascension 2049") << QDate(2049, 5, 27) << true << false << 2;
        QTest::newRow("Easter Monday 2065") << QDate(2065, 3, 30) << true << false << 2;
        // Fixed holidays, whatever their weekday.
        QTest::newRow("1 January 2011, Saturday") << QDate(2011, 1, 1) << true << true << 2;
        QTest::newRow("1 January 2013, Tuesday") << QDate(2013, 1, 1) << true << false << 2;
        QTest::newRow("1 May 2013, Wednesday") << QDate(2013, 5, 1) << true << false << 2;
        QTest::newRow("8 May 2012") << QDate(2012, 5, 8) << true << false << 2;
        QTest::newRow("14 July 2012, Saturday") << QDate(2012, 7, 14) << true << true << 2;
        QTest::newRow("15 August 2011") << QDate(2011, 8, 15) << true << false << 2;
        QTest::newRow("1 November 2011") << QDate(2011, 11, 1) << true << false << 2;
        QTest::newRow("11 November 2011") << QDate(2011, 11, 11) << true << false << 2;
        QTest::newRow("25 December 2011, Sunday") << QDate(2011, 12, 25) << true << true << 2;
        // Ordinary days.
        QTest::newRow("Friday 22 April 2011") << QDate(2011, 4, 22) << false << false << 0;
        QTest::newRow("Saturday 23 April 2011") << QDate(2011, 4, 23) << false << true << 1;
        QTest::newRow("31 December 2011, Saturday") << QDate(2011, 12, 31) << false << true << 1;
        QTest::newRow("31 December 2012, Monday") << QDate(2012, 12, 31) << false << false << 0;
        QTest::newRow("29 February 2012") << QDate(2012, 2, 29) << false << false << 0;
    }

    void dayTypes()
    {
        QFETCH(QDate, date);
        QFETCH(bool, holiday);
        QFETCH(bool, weekend);
        QFETCH(int, type);
        QCOMPARE(IsHoliday(date), holiday);
        QCOMPARE(IsWeekend(date), weekend);
        QCOMPARE(static_cast<int>(DayTypeOf(date)), type);
    }

    void weekdaysAreNumberedFromSunday()
    {
        const QDate sunday(2011, 4, 24);
        for (int offset = 0; offset < 7; ++offset)
            QCOMPARE(WeekdayOf(sunday.addDays(offset)), Sunday + offset);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
