#include "TestEnvironment.h"
#include "store/AppSettings.h"
#include "store/DatabaseError.h"
#include "store/RosterDatabase.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// One day of [Garde]; the type is an SQL literal.
QString InsertDay(const char* day, const QString& name, const char* type)
{
    return QStringLiteral(
               R"(INSERT INTO [Garde] ([Jour], [Médecin], [Type]) VALUES ('%1', '%2', %3))")
        .arg(QLatin1String(day), name, QLatin1String(type));
}

QStringList ColumnsOf(const RosterDatabase& db, const char* pragma)
{
    QStringList names;
    Statement info = db.prepare(pragma);
    while (info.step())
        names.append(info.text(1));
    return names;
}

} // namespace

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
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Garde]))"),
                 QStringList({"Jour", "Médecin", "Type", "Indispo"}));
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Partagé]))"),
                 QStringList({"Jour", "Médecin", "HDébut", "HFin"}));
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Participants]))"),
                 QStringList({"Médecin", "Semaine", "WE", "Etat-Civil", "Identification", "Adresse",
                              "CP", "Ville"}));
        QCOMPARE(db->property("VersionID"), QStringLiteral("4.2.0"));
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

    // One row per kind of rule the tables enforce, after one the rules accept.
    void fieldRules_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("accepted");
        const QString name50(50, QChar(u'é'));
        QTest::newRow("day, 50-character name")
            << "" << InsertDay("2011-03-05", name50, "0") << true;
        QTest::newRow("51-character name")
            << "" << InsertDay("2011-03-05", name50 + "x", "0") << false;
        QTest::newRow("no type") << "" << InsertDay("2011-03-05", "", "NULL") << false;
        QTest::newRow("30 February") << "" << InsertDay("2011-02-30", "", "0") << false;
        QTest::newRow("same day twice")
            << InsertDay("2011-03-05", "", "1") << InsertDay("2011-03-05", "A", "1") << false;
        QTest::newRow("unavailable not boolean")
            << ""
            << R"(INSERT INTO [Garde] ([Jour], [Type], [Indispo]) VALUES ('2011-03-05', 1, 2))"
            << false;
        QTest::newRow("participant empty name")
            << ""
            << R"(INSERT INTO [Participants] ([Médecin]) VALUES (''))" << false;
    }

    void fieldRules()
    {
        QFETCH(QString, first);
        QFETCH(QString, sql);
        QFETCH(bool, accepted);
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        if (!first.isEmpty())
            db->execute(first.toUtf8().constData());
        bool inserted = true;
        try {
            db->execute(sql.toUtf8().constData());
        } catch (const DatabaseError&) {
            inserted = false;
        }
        QCOMPARE(inserted, accepted);
    }

    void sqlcipherShellReadsARosterWithThePassword()
    {
        const QString shell = QStandardPaths::findExecutable("sqlcipher");
        if (shell.isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        QProcess process;
        process.start(shell, {CreateBlankRoster(2012)});
        process.write("PRAGMA key = '790415 Korbu';\n.tables\n"
                      "SELECT * FROM \"Garde\" WHERE \"Jour\" = '2012-07-14';\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished());
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(output.contains("Partagé") && output.contains("2012-07-14||2|0"),
                 qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestRosterDatabase)
#include "tst_rosterdatabase.moc"
