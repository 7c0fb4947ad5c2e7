#include "store/Calendar.h"

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
    // Outside 1975-2048 the old full moon table is wrong; inside, the loop below checks every
    // year; the holidays of 2049 check the first year after it.
    void easterSunday_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        QTest::newRow("2065") << 2065 << QDate(2065, 3, 29);
        QTest::newRow("1974, before the old table") << 1974 << QDate(1974, 4, 14);
        QTest::newRow("1900, first year there is") << 1900 << QDate(1900, 4, 15);
        QTest::newRow("9999, last year there is") << 9999 << QDate(9999, 3, 28);
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

    // Every holiday of a year, none missing and none extra.
    void holidaysOfAYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("holidays"); // day/month
        QTest::newRow("2011") << 2011 << "1/1 25/4 1/5 8/5 2/6 13/6 14/7 15/8 1/11 11/11 25/12";
        QTest::newRow("2008, Ascension on 1 May")
            << 2008 << "1/1 24/3 1/5 8/5 12/5 14/7 15/8 1/11 11/11 25/12";
        QTest::newRow("2049, after the old table")
            << 2049 << "1/1 19/4 1/5 8/5 27/5 7/6 14/7 15/8 1/11 11/11 25/12";
    }

    void holidaysOfAYear()
    {
        QFETCH(int, year);
        QFETCH(QString, holidays);
        QStringList found;
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            if (IsHoliday(day))
                found.append(QStringLiteral("%1/%2").arg(day.day()).arg(day.month()));
        }
        QCOMPARE(found.join(' '), holidays);
    }

    // Saturday and Sunday only; a holiday on a weekday is no weekend. The day types themselves
    // are checked day by day in the blank roster's test.
    void weekend()
    {
        QString week;
        for (QDate day(2011, 4, 25); day <= QDate(2011, 5, 1); day = day.addDays(1))
            week.append(IsWeekend(day) ? u'W' : u'-');
        QCOMPARE(week, QStringLiteral("-----WW"));
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
