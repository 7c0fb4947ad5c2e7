#include "ExpectedDayTypes.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "store/DatabaseError.h"
#include "store/DutyHours.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/Settings.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One day of [Garde]; the type is an SQL literal.
QString InsertDay(const char* day, const QString& name, const char* type)
{
    return QStringLiteral(
               R"(INSERT INTO [Garde] ([Jour], [Médecin], [Type]) VALUES ('%1', '%2', %3))")
        .arg(QLatin1String(day), name, QLatin1String(type));
}

// Easter Sunday from the nineteen paschal full moons the program once used. Those dates are
// right from 1975 to 2048 only, which makes them a check of the computus inside that range.
QDate EasterFromFullMoonTable(int year)
{
    static const int days[19] = {23, 11, 31, 18, 8,  28, 16, 5,  25, 13,
                                 2,  21, 9,  30, 18, 6,  27, 15, 4};
    static const int months[19] = {3, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 3, 4, 4, 3, 4, 4};
    const int index = ((year - 1997) % 19 + 19) % 19;
    const QDate fullMoon(year, months[index], days[index]);
    return fullMoon.addDays(8 - WeekdayOf(fullMoon));
}

} // namespace

// A roster database: its tables and their rules, the days of a year with their types, the hours
// of shared days, and the blank roster of a year.
class TestRosterDatabase : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // Other programs read the file through these names, in this order, with a composed "é"
    // as this source file writes it. Without the sector setting, "Secteur": see the roster
    // window's test.
    void newDatabaseHasTheRosterTables()
    {
        OpenAppSettings()->setValue("Options/Secteur", "Vallée de l'Ubaye");
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        const char* const tables[][2] = {
            {"Garde", "Jour Médecin Type Indispo"},
            {"Partagé", "Jour Médecin HDébut HFin"},
            {"Participants",
             "Médecin Semaine WE Etat-Civil Identification Adresse CP Ville Arrivée Départ"},
            {"Absences", "Médecin Début Fin Motif"}};
        for (const auto& [table, columns] : tables) {
            QStringList names;
            Statement info =
                db->prepare(QString("PRAGMA table_info([%1])").arg(table).toUtf8().constData());
            while (info.step())
                names.append(info.text(1));
            QCOMPARE(names.join(' '), QString(columns));
        }
        QCOMPARE(db->property("VersionID"), QStringLiteral("4.5.0"));
        QCOMPARE(db->property("Secteur"), QStringLiteral("Vallée de l'Ubaye"));

        db->execute(R"(INSERT INTO [Garde] ([Jour], [Type]) VALUES ('2011-03-05', 1))");
        db->execute(R"(INSERT INTO [Participants] ([Médecin]) VALUES ('Dupont'))");
        for (const char* defaults :
             {R"(SELECT [Médecin] IS '' AND [Indispo] IS 0 FROM [Garde])",
              R"(SELECT [Semaine] IS 0 AND [WE] IS 0 AND [Etat-Civil] IS '' AND [Identification]
                 IS '' AND [Adresse] IS '' AND [CP] IS '' AND [Ville] IS '' FROM [Participants])"}) {
            Statement row = db->prepare(defaults);
            QVERIFY2(row.step() && row.boolean(0), defaults);
        }
    }

    // One row per kind of rule the tables enforce, after one the rules accept; the table holds
    // 4 March already.
    void fieldRules_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("accepted");
        const QString name50(50, QChar(u'é'));
        QTest::newRow("50-character name") << InsertDay("2011-03-05", name50, "0") << true;
        QTest::newRow("51-character name") << InsertDay("2011-03-05", name50 + "x", "0") << false;
        QTest::newRow("no type") << InsertDay("2011-03-05", "", "NULL") << false;
        QTest::newRow("30 February") << InsertDay("2011-02-30", "", "0") << false;
        QTest::newRow("same day twice") << InsertDay("2011-03-04", "A", "1") << false;
        QTest::newRow("unavailable not boolean")
            << u"INSERT INTO [Garde] ([Jour], [Type], [Indispo]) VALUES ('2011-03-05', 1, 2)"_s
            << false;
        QTest::newRow("participant empty name")
            << u"INSERT INTO [Participants] ([Médecin]) VALUES ('')"_s << false;
    }

    void fieldRules()
    {
        QFETCH(QString, sql);
        QFETCH(bool, accepted);
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        db->execute(InsertDay("2011-03-04", "", "1").toUtf8().constData());
        try {
            db->execute(sql.toUtf8().constData());
            QVERIFY(accepted);
        } catch (const DatabaseError&) {
            QVERIFY(!accepted);
        }
    }

    void easterAgreesWithTheFullMoonTableFrom1975To2048()
    {
        for (int year = 1975; year <= 2048; ++year)
            QCOMPARE(EasterSunday(year), EasterFromFullMoonTable(year));
    }

    // Every holiday of a year, none missing and none extra, and the type of every day. Easter
    // Monday follows Easter Sunday: outside 1975-2048, where the old full moon table is wrong,
    // it checks the computus.
    void daysOfAYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("movable"); // Easter Monday, Ascension, Whit Monday (day/month)
        QTest::newRow("2008, Ascension on 1 May") << 2008 << "24/3 1/5 12/5";
        QTest::newRow("2012, leap year") << 2012 << "9/4 17/5 28/5";
        QTest::newRow("2027, holidays on Saturdays") << 2027 << "29/3 6/5 17/5";
        QTest::newRow("1900, first year there is, not a leap year") << 1900 << "16/4 24/5 4/6";
        QTest::newRow("2049, after the old table") << 2049 << "19/4 27/5 7/6";
        QTest::newRow("9999, last year there is") << 9999 << "29/3 6/5 17/5";
    }

    void daysOfAYear()
    {
        QFETCH(int, year);
        QFETCH(QString, movable);
        const QString holidays = movable + " 1/1 1/5 8/5 14/7 15/8 1/11 11/11 25/12";
        QList<DayType> types;
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            const QString dayMonth = QStringLiteral("%1/%2").arg(day.day()).arg(day.month());
            QVERIFY2(IsHoliday(day) == holidays.split(' ').contains(dayMonth),
                     qPrintable(dayMonth));
            types.append(DayTypeOf(day));
        }
        QCOMPARE(types, ExpectedDayTypes(year, holidays));
    }

    // Duty hours count from 08:00, the start of the duty day, up to 24 at 08:00 the next
    // morning.
    void dutyHours_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("startHours"); // -1: refused
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("endHours");
        QTest::newRow("whole duty day") << "08:00" << 0.0 << "08:00" << 24.0;
        QTest::newRow("last half hour before midnight") << "23:30" << 15.5 << "00:00" << 16.0;
        QTest::newRow("across midnight") << "22:00" << 14.0 << "02:00" << 18.0;
        QTest::newRow("midnight start") << "00:00" << 16.0 << "07:30" << 23.5;
        QTest::newRow("quarter past") << "08:15" << -1.0 << "09:00" << -1.0;
        QTest::newRow("hour 24") << "24:00" << -1.0 << "08:00" << -1.0;
        QTest::newRow("one digit") << "8:00" << -1.0 << "09:00" << -1.0;
        QTest::newRow("empty end") << "08:00" << -1.0 << "" << -1.0;
        QTest::newRow("words") << "huit" << -1.0 << "neuf" << -1.0;
    }

    void dutyHours()
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

QTEST_GUILESS_MAIN(TestRosterDatabase)
#include "tst_rosterdatabase.moc"
