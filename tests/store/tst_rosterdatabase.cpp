#include "AppSettings.h"
#include "BlankRoster.h"
#include "DatabaseError.h"
#include "RosterDatabase.h"
#include "TestEnvironment.h"
#include "WorkFile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <sqlite3.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A database made with the bare engine, keyed with the given password or not keyed at all.
void MakeRawDatabase(const QString& path, const QByteArray& password)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    if (!password.isEmpty())
        QCOMPARE(sqlite3_key(db, password.constData(), static_cast<int>(password.size())),
                 SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, R"(CREATE TABLE [Garde] ([Jour] TEXT, [Médecin] TEXT))", nullptr,
                          nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);
}

// A whole roster, then changed.
void MakeAlteredRoster(const QString& path, std::initializer_list<const char*> changes)
{
    QVERIFY(QFile::copy(CreateBlankRoster(2011), path));
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    QVERIFY(db);
    for (const char* change : changes)
        db->execute(change);
}

void Bind(Statement& statement, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        if (value.isNull())
            statement.bindNull(i + 1);
        else if (value.typeId() == QMetaType::Int)
            statement.bind(i + 1, value.toInt());
        else if (value.typeId() == QMetaType::Double)
            statement.bind(i + 1, value.toDouble());
        else
            statement.bind(i + 1, value.toString());
    }
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

    void newDatabaseHasTheRosterTablesInFieldOrder()
    {
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        QVERIFY(db);
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Garde]))"),
                 QStringList({"Jour", "Médecin", "Type", "Indispo"}));
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Partagé]))"),
                 QStringList({"Jour", "Médecin", "HDébut", "HFin"}));
        QCOMPARE(ColumnsOf(*db, R"(PRAGMA table_info([Participants]))"),
                 QStringList({"Médecin", "Semaine", "WE", "Etat-Civil", "Identification", "Adresse",
                              "CP", "Ville"}));
        // The plain index on the participants' names, not unique.
        Statement index = db->prepare(R"(PRAGMA index_list([Participants]))");
        QVERIFY(index.step());
        QCOMPARE(index.text(1), QStringLiteral("Médecin"));
        QCOMPARE(index.integer(2), 0);
        for (const char* count :
             {R"(SELECT count(*) FROM [Garde])", R"(SELECT count(*) FROM [Partagé])",
              R"(SELECT count(*) FROM [Participants])"}) {
            Statement rows = db->prepare(count);
            QVERIFY2(rows.step() && rows.integer(0) == 0, count);
        }
    }

    void accentedNamesAreStoredComposed()
    {
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        QVERIFY(db);
        Statement names = db->prepare("SELECT group_concat(sql, ' ') FROM sqlite_master");
        QVERIFY(names.step());
        const QString schema = names.text(0);
        QVERIFY(schema.contains(QString::fromUtf8("[Partag\xc3\xa9]")));
        QVERIFY(schema.contains(QString::fromUtf8("[M\xc3\xa9"
                                                  "decin]")));
        QVERIFY(!schema.contains(QChar(0x0301))); // no combining acute accent
    }

    void propertiesOfANewDatabase_data()
    {
        QTest::addColumn<QVariant>("sectorSetting");
        QTest::addColumn<QString>("sector");
        QTest::newRow("no setting") << QVariant() << "Secteur";
        QTest::newRow("setting") << QVariant("Vallée de l'Ubaye") << "Vallée de l'Ubaye";
    }

    void propertiesOfANewDatabase()
    {
        QFETCH(QVariant, sectorSetting);
        QFETCH(QString, sector);
        if (sectorSetting.isValid())
            OpenAppSettings()->setValue("Options/Secteur", sectorSetting);
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        QVERIFY(db);
        QCOMPARE(db->property("VersionID"), QStringLiteral("4.2.0"));
        QCOMPARE(db->property("Secteur"), sector);
    }

    void fieldRules_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<bool>("accepted");

        const QString garde =
            R"(INSERT INTO [Garde] ([Jour], [Médecin], [Type]) VALUES (?1, ?2, ?3))";
        const QString shared =
            R"(INSERT INTO [Partagé] ([Jour], [Médecin], [HDébut], [HFin]) VALUES (?1, ?2, ?3, ?4))";
        const QString participant = R"(INSERT INTO [Participants] ([Médecin], [CP], [Ville],
            [Identification], [Adresse], [Etat-Civil]) VALUES (?1, ?2, ?3, ?4, ?5, ?6))";
        const QString name50(50, QChar(u'é'));
        const QString name51(51, QChar(u'é'));
        const QVariant null;

        QTest::newRow("day") << "" << garde << QVariantList{"2011-03-05", "Dupont", 0} << true;
        QTest::newRow("50-character name")
            << "" << garde << QVariantList{"2011-03-05", name50, 0} << true;
        QTest::newRow("51-character name")
            << "" << garde << QVariantList{"2011-03-05", name51, 0} << false;
        QTest::newRow("no name") << "" << garde << QVariantList{"2011-03-05", null, 0} << true;
        QTest::newRow("no type") << "" << garde << QVariantList{"2011-03-05", "", null} << false;
        QTest::newRow("type 256") << "" << garde << QVariantList{"2011-03-05", "", 256} << false;
        QTest::newRow("type in words")
            << "" << garde << QVariantList{"2011-03-05", "", "samedi"} << false;
        QTest::newRow("no day") << "" << garde << QVariantList{null, "", 0} << false;
        QTest::newRow("day not ISO") << "" << garde << QVariantList{"5/3/2011", "", 0} << false;
        QTest::newRow("30 February") << "" << garde << QVariantList{"2011-02-30", "", 0} << false;
        QTest::newRow("day with a time")
            << "" << garde << QVariantList{"2011-03-05 00:00", "", 0} << false;
        QTest::newRow("same day twice")
            << R"(INSERT INTO [Garde] ([Jour], [Type]) VALUES ('2011-03-05', 1))" << garde
            << QVariantList{"2011-03-05", "", 1} << false;
        QTest::newRow("unavailable not boolean")
            << ""
            << R"(INSERT INTO [Garde] ([Jour], [Type], [Indispo]) VALUES ('2011-03-05', 1, 2))"
            << QVariantList{} << false;

        const QString firstInterval =
            R"(INSERT INTO [Partagé] ([Jour], [Médecin], [HDébut], [HFin]) VALUES ('2011-03-05', 'A', 0, 12))";
        QTest::newRow("interval") << "" << shared << QVariantList{"2011-03-05", "A", 0.0, 12.0}
                                  << true;
        QTest::newRow("second interval of the day")
            << firstInterval << shared << QVariantList{"2011-03-05", "B", 12.0, 24.0} << true;
        QTest::newRow("two intervals starting together")
            << firstInterval << shared << QVariantList{"2011-03-05", "B", 0.0, 24.0} << false;
        QTest::newRow("interval without end")
            << "" << shared << QVariantList{"2011-03-05", "A", 0.0, null} << false;
        QTest::newRow("interval name too long")
            << "" << shared << QVariantList{"2011-03-05", name51, 0.0, 1.0} << false;

        const QVariantList fullParticipant{name50,           "0412345",        QString(25, 'V'),
                                           QString(25, 'I'), QString(50, 'A'), name50};
        auto withField = [&](int index, const QVariant& value) {
            QVariantList values = fullParticipant;
            values[index] = value;
            return values;
        };
        QTest::newRow("participant") << "" << participant << fullParticipant << true;
        QTest::newRow("participant twice")
            << R"(INSERT INTO [Participants] ([Médecin]) VALUES ('Dupont'))" << participant
            << withField(0, "Dupont") << true;
        QTest::newRow("participant without name")
            << "" << participant << withField(0, null) << false;
        QTest::newRow("participant empty name") << "" << participant << withField(0, "") << false;
        QTest::newRow("participant name too long")
            << "" << participant << withField(0, name51) << false;
        QTest::newRow("postal code too long")
            << "" << participant << withField(1, "04123456") << false;
        QTest::newRow("town too long")
            << "" << participant << withField(2, QString(26, 'V')) << false;
        QTest::newRow("identification too long")
            << "" << participant << withField(3, QString(26, 'I')) << false;
        QTest::newRow("address too long")
            << "" << participant << withField(4, QString(51, 'A')) << false;
        QTest::newRow("full name too long") << "" << participant << withField(5, name51) << false;
        QTest::newRow("empty administrative data")
            << "" << participant << QVariantList{"Dupont", "", "", "", "", ""} << true;
    }

    void fieldRules()
    {
        QFETCH(QString, first);
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(bool, accepted);
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        QVERIFY(db);
        if (!first.isEmpty())
            db->execute(first.toUtf8().constData());
        const QByteArray utf8 = sql.toUtf8();
        Statement insert = db->prepare(utf8.constData());
        Bind(insert, values);
        bool inserted = true;
        try {
            insert.execute();
        } catch (const DatabaseError&) {
            inserted = false;
        }
        QCOMPARE(inserted, accepted);
    }

    void defaults()
    {
        std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
        QVERIFY(db);
        db->execute(R"(INSERT INTO [Garde] ([Jour], [Type]) VALUES ('2011-03-05', 1))");
        db->execute(R"(INSERT INTO [Participants] ([Médecin]) VALUES ('Dupont'))");
        Statement day = db->prepare(R"(SELECT [Médecin], [Indispo] FROM [Garde])");
        QVERIFY(day.step());
        QVERIFY(!day.isNull(0));
        QCOMPARE(day.text(0), QString());
        QCOMPARE(day.boolean(1), false);
        Statement participant = db->prepare(
            R"(SELECT [Semaine], [WE], [Etat-Civil], [Identification], [Adresse], [CP], [Ville]
               FROM [Participants])");
        QVERIFY(participant.step());
        QCOMPARE(participant.boolean(0), false);
        QCOMPARE(participant.boolean(1), false);
        for (int column = 2; column <= 6; ++column)
            QVERIFY(!participant.isNull(column) && participant.text(column).isEmpty());
    }

    void openRefusesWhatIsNotAWholeRoster_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("random bytes") << "random";
        QTest::newRow("text file") << "text";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("truncated roster") << "truncated";
        QTest::newRow("plain SQLite file") << "plain";
        QTest::newRow("another password") << "password";
        QTest::newRow("no sector") << "sector";
        QTest::newRow("no Garde") << "garde";
        QTest::newRow("no Partagé") << "partage";
        QTest::newRow("no Participants") << "participants";
        QTest::newRow("Participants without Ville") << "column";
    }

    void openRefusesWhatIsNotAWholeRoster()
    {
        QFETCH(QString, kind);
        const QString path = env_->tempPath() + "/roster.dat";
        if (kind == "random") {
            QByteArray bytes(8192, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
            WriteAll(path, bytes);
        } else if (kind == "text") {
            WriteAll(path, "Date;Médecin;Début;Fin\r\n05/03/2011;Dupont;08:00;08:00\r\n");
        } else if (kind == "empty") {
            WriteAll(path, {});
        } else if (kind == "truncated") {
            const QByteArray roster = ReadAll(CreateBlankRoster(2011));
            QVERIFY(roster.size() > 8192);
            WriteAll(path, roster.left(roster.size() / 2));
        } else if (kind == "plain") {
            MakeRawDatabase(path, {});
        } else if (kind == "password") {
            MakeRawDatabase(path, "790415 korbu");
        } else if (kind == "sector") {
            MakeAlteredRoster(path, {R"(DELETE FROM [Propriétés] WHERE [Nom] = 'Secteur')"});
        } else if (kind == "garde") {
            MakeAlteredRoster(path, {R"(DROP TABLE [Garde])"});
        } else if (kind == "partage") {
            MakeAlteredRoster(path, {R"(DROP TABLE [Partagé])"});
        } else if (kind == "participants") {
            MakeAlteredRoster(path, {R"(DROP TABLE [Participants])"});
        } else if (kind == "column") {
            MakeAlteredRoster(path, {R"(ALTER TABLE [Participants] RENAME TO [Anciens])",
                                     R"(CREATE TABLE [Participants] ([Médecin], [Semaine], [WE],
                                       [Etat-Civil], [Identification], [Adresse], [CP]))"});
        }
        const QByteArray before = ReadAll(path);

        RosterDatabase::OpenFailure failure{};
        QVERIFY(!RosterDatabase::open(path, &failure));
        QCOMPARE(failure, RosterDatabase::OpenFailure::NotRoster);
        QCOMPARE(ReadAll(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    void openReportsAMissingFile()
    {
        RosterDatabase::OpenFailure failure{};
        QVERIFY(!RosterDatabase::open(env_->tempPath() + "/absent.dat", &failure));
        QCOMPARE(failure, RosterDatabase::OpenFailure::NotFound);
        QVERIFY(!QFile::exists(env_->tempPath() + "/absent.dat"));
    }

    void workFilePathsAreFreshNamesInTheTemporaryFolder()
    {
        const QString first = GetWorkFilePath();
        const QString second = GetWorkFilePath();
        QVERIFY(first != second);
        for (const QString& path : {first, second}) {
            const QFileInfo info(path);
            QCOMPARE(info.absolutePath(), QFileInfo(env_->tempPath()).absoluteFilePath());
            QVERIFY(info.fileName().startsWith("vdo"));
            QCOMPARE(info.suffix(), QStringLiteral("tmp"));
            QVERIFY(!info.exists());
        }
    }

    void sqlcipherShellReadsARosterWithThePassword()
    {
        const QString shell = QStandardPaths::findExecutable("sqlcipher");
        if (shell.isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        const QString path = CreateBlankRoster(2012);
        QProcess process;
        process.start(shell, {path});
        process.write("PRAGMA key = '790415 Korbu';\n.tables\n"
                      "SELECT \"Jour\", \"Médecin\", \"Type\", \"Indispo\" FROM \"Garde\" "
                      "WHERE \"Jour\" = '2012-07-14';\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished());
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(output.contains("Garde") && output.contains("Partagé") &&
                     output.contains("Participants"),
                 qPrintable(output));
        QVERIFY2(output.contains("2012-07-14||2|0"), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestRosterDatabase)
#include "tst_rosterdatabase.moc"
