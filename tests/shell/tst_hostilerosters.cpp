#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterWindow.h"
#include "shell/MainWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

const QString NotARoster = QStringLiteral("Impossible d'ouvrir le tour de garde.\r\nAssurez-vous "
                                          "qu'il s'agit bien d'un tour de garde de l'application.");
const QString NoWorkingFile = QStringLiteral("Impossible de créer le fichier de travail.");
const QString NewerVersion = QStringLiteral("Ce tour de garde a été créé par une version plus "
                                            "récente de Rotalis.\r\nMettez Rotalis à jour pour "
                                            "l'ouvrir.");

// Between two statements of a change: the next ones run in a new connection, which reads the
// schema anew.
const QString Reconnect = QStringLiteral("-- reconnect");

// Changes a roster file as any other SQLCipher client can, without the program's checks; the
// rows the statements give go to the list given, their values joined.
void Alter(const QString& path, const QStringList& statements, QStringList* rows = nullptr)
{
    const sqlite3_callback append = [](void* rows, int count, char** values, char**) {
        QStringList row;
        for (int i = 0; i < count; ++i)
            row.append(values[i] ? QString::fromUtf8(values[i]) : "NULL");
        static_cast<QStringList*>(rows)->append(row.join('|'));
        return 0;
    };
    sqlite3* db = nullptr;
    const auto connect = [&] {
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_key(db, "790415 Korbu", 12), SQLITE_OK);
    };
    connect();
    for (const QString& statement : statements) {
        if (statement == Reconnect) {
            sqlite3_close(db);
            connect();
            continue;
        }
        QVERIFY2(sqlite3_exec(db, statement.toUtf8().constData(), rows ? append : nullptr, rows,
                              nullptr) == SQLITE_OK,
                 sqlite3_errmsg(db));
    }
    sqlite3_close(db);
}

// The statements of the tables rewritten in other words, the engine's files left as they are.
QStringList Reworded(const QString& from, const QString& to)
{
    return {"PRAGMA writable_schema = ON",
            QString("UPDATE sqlite_master SET sql = replace(sql, '%1', '%2')").arg(from, to)};
}

const QString SetVersion =
    QStringLiteral("UPDATE [Propriétés] SET [Valeur] = '%1' WHERE [Nom] = 'VersionID'");

// The rows the queries give, sorted.
QStringList Rows(const QString& path, const QStringList& queries)
{
    QStringList rows;
    Alter(path, queries, &rows);
    rows.sort();
    return rows;
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

// Rewrites the header of a roster file's first page so that it declares pages of another size,
// encrypted and authenticated as SQLCipher does it: a file anyone knowing the password can make.
void DeclarePageSize(const QString& path, int pageSize)
{
    QByteArray page = ReadFile(path).left(1024);
    auto* bytes = reinterpret_cast<unsigned char*>(page.data());
    unsigned char key[32];
    PKCS5_PBKDF2_HMAC("790415 Korbu", 12, bytes, 16, 64000, EVP_sha1(), 32, key);
    unsigned char* iv = bytes + 976;
    unsigned char plain[960];
    int length = 0;
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    EVP_DecryptInit_ex(context, EVP_aes_256_cbc(), nullptr, key, iv);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_DecryptUpdate(context, plain, &length, bytes + 16, 960);
    plain[0] = static_cast<unsigned char>(pageSize >> 8);
    plain[1] = static_cast<unsigned char>(pageSize & 0xff);
    EVP_EncryptInit_ex(context, EVP_aes_256_cbc(), nullptr, key, iv);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, bytes + 16, &length, plain, 960);
    EVP_CIPHER_CTX_free(context);
    unsigned char macSalt[16];
    for (int i = 0; i < 16; ++i)
        macSalt[i] = bytes[i] ^ 0x3a;
    unsigned char macKey[32];
    PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(key), 32, macSalt, 16, 2, EVP_sha1(), 32,
                      macKey);
    QByteArray covered = page.mid(16, 976);
    covered.append("\x01\x00\x00\x00", 4);
    unsigned int macLength = 0;
    HMAC(EVP_sha1(), macKey, 32, reinterpret_cast<const unsigned char*>(covered.constData()),
         static_cast<size_t>(covered.size()), bytes + 992, &macLength);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(page) == 1024);
}

// Another client can switch the file's own checks off while it writes.
QStringList WithoutChecks(const QString& change)
{
    return {"PRAGMA ignore_check_constraints = ON", change};
}

// The statement that makes Garde, with its NOT NULL on Jour dropped for a while.
QStringList WithJourNullable(const QString& change)
{
    const QString nullable =
        R"(UPDATE sqlite_master SET sql = replace(sql, '[Jour] TEXT NOT NULL', '[Jour] TEXT')
           WHERE name = 'Garde')";
    const QString restored =
        R"(UPDATE sqlite_master SET sql = replace(sql, '[Jour] TEXT CHECK', '[Jour] TEXT NOT NULL CHECK')
           WHERE name = 'Garde')";
    return {"PRAGMA writable_schema = ON", nullable, Reconnect, change,
            "PRAGMA writable_schema = ON", restored};
}

} // namespace

class TestHostileRosters : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<MainWindow> main_;

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        main_ = std::make_unique<MainWindow>(ui_.get());
    }

    void cleanup()
    {
        main_.reset();
        env_.reset();
    }

    // Each kind of file names how it is made; a roster is made by the program, then changed.
    void openingRefusesWhatIsNotAWholeRoster_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("message");
        const auto refused = [](const char* name, const QStringList& changes) {
            QTest::newRow(name) << "roster" << changes << NotARoster;
        };
        QTest::newRow("random bytes") << "random" << QStringList() << NotARoster;
        QTest::newRow("empty file") << "empty" << QStringList() << NotARoster;
        QTest::newRow("truncated roster") << "truncated" << QStringList() << NotARoster;
        QTest::newRow("plain SQLite file") << "plain" << QStringList() << NotARoster;
        QTest::newRow("another password") << "password" << QStringList() << NotARoster;
        QTest::newRow("header declaring 512-byte pages") << "512" << QStringList() << NotARoster;
        QTest::newRow("missing file") << "missing" << QStringList() << NoWorkingFile;
        QTest::newRow("pipe") << "pipe" << QStringList() << NoWorkingFile;
        QTest::newRow("link to an endless device") << "device" << QStringList() << NoWorkingFile;
        QTest::newRow("larger than any roster") << "huge" << QStringList() << NoWorkingFile;

        refused("no sector", {R"(DELETE FROM [Propriétés] WHERE [Nom] = 'Secteur')"});
        refused("no Garde", {R"(DROP TABLE [Garde])"});
        refused("no Partagé", {R"(DROP TABLE [Partagé])"});
        refused("Participants without Ville",
                {R"(ALTER TABLE [Participants] RENAME TO [Anciens])",
                 R"(CREATE TABLE [Participants] ([Médecin], [Semaine], [WE], [Etat-Civil],
                                                 [Identification], [Adresse], [CP]))",
                 R"(DROP TABLE [Anciens])",
                 R"(CREATE INDEX [Médecin] ON [Participants] ([Médecin]))"});
        refused("index out of step with its table",
                {R"(INSERT INTO [Participants] ([Médecin], [Ville]) VALUES ('A', 'Digne'))",
                 "PRAGMA writable_schema = ON",
                 R"(UPDATE sqlite_master SET sql = 'CREATE INDEX [Médecin] ON [Participants]
                    ([Ville])' WHERE name = 'Médecin')"});

        refused(
            "first day without a date",
            WithJourNullable(R"(UPDATE [Garde] SET [Jour] = NULL WHERE [Jour] = '2011-01-01')"));
        refused("first day as a French date",
                WithoutChecks(R"(UPDATE [Garde] SET [Jour] = '01/01/2011'
                                 WHERE [Jour] = '2011-01-01')"));
        refused("first day with one byte changed",
                WithoutChecks(R"(UPDATE [Garde] SET [Jour] = '2O11-01-01'
                                 WHERE [Jour] = '2011-01-01')"));
        refused("a day of June that is not a date",
                WithoutChecks(R"(UPDATE [Garde] SET [Jour] = '2011-06-1!'
                                 WHERE [Jour] = '2011-06-15')"));
        refused("a day of another year",
                {R"(INSERT INTO [Garde] ([Jour], [Type]) VALUES ('2012-01-01', 2))"});
        refused("a type as text", WithoutChecks(R"(UPDATE [Garde] SET [Type] = 'samedi'
                                                   WHERE [Jour] = '2011-03-05')"));
        refused("a type beyond a byte",
                WithoutChecks(R"(UPDATE [Garde] SET [Type] = 300 WHERE [Jour] = '2011-03-05')"));
        refused("unavailability neither 0 nor 1",
                WithoutChecks(R"(UPDATE [Garde] SET [Indispo] = 2 WHERE [Jour] = '2011-03-05')"));
        refused("a participant's flag as text",
                WithoutChecks(R"(INSERT INTO [Participants] ([Médecin], [Semaine])
                                 VALUES ('A', 'oui'))"));
        refused("a name that is not text",
                {R"(UPDATE [Garde] SET [Médecin] = x'00ff' WHERE [Jour] = '2011-03-05')"});
        refused("an interval beyond the duty day",
                {R"(UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] = '2011-03-05')",
                 R"(INSERT INTO [Partagé] VALUES ('2011-03-05', 'A', 20, 1e300))"});

        refused("view in place of Garde",
                {R"(DROP TABLE [Garde])",
                 R"(CREATE VIEW [Garde] AS SELECT '2011-01-01' AS [Jour], '' AS [Médecin],
                                                  2 AS [Type], 0 AS [Indispo])"});
        refused("trigger rewriting the year", {R"(CREATE TRIGGER [Tout] AFTER UPDATE ON [Garde]
                    BEGIN UPDATE [Garde] SET [Médecin] = 'X' WHERE [Médecin] != 'X'; END)"});
        refused("virtual table in place of Participants",
                {R"(DROP TABLE [Participants])",
                 R"(CREATE VIRTUAL TABLE [Participants] USING fts4([Médecin], [Semaine], [WE],
                        [Etat-Civil], [Identification], [Adresse], [CP], [Ville]))"});
        refused("another table", {R"(CREATE TABLE [Notes] ([Texte]))"});
        refused("Type declared as text", Reworded("[Type] INTEGER", "[Type] TEXT"));
        refused("Valeur without NOT NULL", Reworded("[Valeur] TEXT NOT NULL", "[Valeur] TEXT"));
        refused("doctor index on Garde",
                {"DROP INDEX [Médecin]", "CREATE INDEX [Médecin] ON Garde (Médecin)"});
        refused("a value a check left out refuses",
                Reworded("CHECK ([Indispo] IN (0, 1))", "") +
                    QStringList{Reconnect, "UPDATE [Garde] SET [Indispo] = 2"});
        const auto newer = [](const char* name, const QStringList& changes) {
            QTest::newRow(name) << "roster" << changes << NewerVersion;
        };
        newer("version 4.3.0", {SetVersion.arg("4.3.0")});
        newer("version 4.10.0", {SetVersion.arg("4.10.0")});
        newer("version 5.0 with a table of its own",
              {SetVersion.arg("5.0"), R"(CREATE TABLE [Notes] ([Texte]))"});
        refused("write-ahead log", {"PRAGMA journal_mode = WAL"});
        refused("Garde keyed on other columns",
                {R"(ALTER TABLE [Garde] RENAME TO [Ancienne])",
                 R"(CREATE TABLE [Garde] ([Jour], [Médecin], [Type], [Indispo],
                                          UNIQUE ([Indispo], [Type], [Médecin], [Jour])))",
                 R"(INSERT INTO [Garde] SELECT * FROM [Ancienne])", R"(DROP TABLE [Ancienne])",
                 R"(INSERT INTO [Garde] VALUES ('2011-01-01', 'A', 2, 0))"});
        refused("no key on Partagé",
                {R"(ALTER TABLE [Partagé] RENAME TO [Ancien])",
                 R"(CREATE TABLE [Partagé] ([Jour], [Médecin], [HDébut], [HFin]))",
                 R"(DROP TABLE [Ancien])"});
    }

    // Nothing opens, nothing is left behind, and the file is as it was, byte for byte.
    void openingRefusesWhatIsNotAWholeRoster()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, changes);
        QFETCH(QString, message);
        const QString path = env_->tempPath() + "/Garde.dat";
        if (kind == "roster") {
            QVERIFY(QFile::rename(CreateBlankRoster(2011), path));
            Alter(path, changes);
        } else if (kind == "random") {
            QByteArray bytes(8192, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
            QVERIFY(WriteFile(path, bytes));
        } else if (kind == "empty") {
            QVERIFY(WriteFile(path, {}));
        } else if (kind == "truncated") {
            const QByteArray roster = ReadFile(CreateBlankRoster(2011));
            QVERIFY(WriteFile(path, roster.left(roster.size() / 2)));
        } else if (kind == "plain" || kind == "password") {
            MakeRawDatabase(path, kind == "password" ? "790415 korbu" : "");
        } else if (kind == "512") {
            QVERIFY(QFile::rename(CreateBlankRoster(2011), path));
            DeclarePageSize(path, 512);
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "device") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (kind == "huge") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(65 * 1024 * 1024));
        }
        const bool regular = QFileInfo(path).isFile();
        const QByteArray before = regular ? ReadFile(path) : QByteArray();

        main_->openRoster(path);

        QCOMPARE(ui_->texts(), QStringList{message});
        QCOMPARE(ui_->shown.first().icon,
                 message == NoWorkingFile ? MessageIcon::Information : MessageIcon::Critical);
        QVERIFY(main_->rosterWindows().isEmpty());
        QVERIFY(env_->workFiles().isEmpty());
        if (regular)
            QCOMPARE(ReadFile(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    // The program's columns and keys in other words; versions up to the program's own.
    void openingTakesWhatOtherToolsWrote_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("types in lower case, keys unnamed")
            << Reworded(" INTEGER", " integer") + Reworded("CONSTRAINT [Jour] ", "");
        QTest::newRow("a check left out, other spacing and quotes")
            << Reworded("CHECK ([Indispo] IN (0, 1))", "") + Reworded("\n        ", " ") +
                   Reworded("[Jour]", "\"Jour\"");
        QTest::newRow("version 4.2.0") << QStringList{SetVersion.arg("4.2.0")};
        QTest::newRow("version 4.1") << QStringList{SetVersion.arg("4.1")};
        QTest::newRow("unreadable version") << QStringList{SetVersion.arg("5.0 bêta")};
    }

    // The working copy holds every row under the program's own statements, which the next
    // save writes; the file itself is left as it was.
    void openingTakesWhatOtherToolsWrote()
    {
        QFETCH(QStringList, changes);
        const QString path = env_->tempPath() + "/Garde.dat";
        QVERIFY(QFile::rename(CreateBlankRoster(2011), path));
        Alter(path, QStringList{R"(INSERT INTO [Participants] (rowid, [Médecin])
                                   VALUES (5, 'B'), (2, 'A'))",
                                R"(INSERT INTO [Partagé] VALUES ('2011-03-05', 'A', 8, 20))"} +
                        changes);
        const QByteArray before = ReadFile(path);
        const QStringList tables = {"SELECT * FROM [Garde]", "SELECT * FROM [Partagé]",
                                    "SELECT rowid, * FROM [Participants]",
                                    "SELECT * FROM [Propriétés]"};
        const QStringList schema = {"SELECT type, name, tbl_name, sql FROM sqlite_master"};

        main_->openRoster(path);

        QCOMPARE(ui_->texts(), QStringList());
        QCOMPARE(main_->rosterWindows().size(), 1);
        const QString work = main_->activeRosterWindow()->document().workPath();
        QCOMPARE(Rows(work, schema), Rows(CreateBlankRoster(2011), schema));
        QCOMPARE(Rows(work, tables), Rows(path, tables));
        QCOMPARE(ReadFile(path), before);
    }
};

QTEST_MAIN(TestHostileRosters)
#include "tst_hostilerosters.moc"
