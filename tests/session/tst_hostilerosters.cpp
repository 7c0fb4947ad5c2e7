#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "store/RosterCipher.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTest>

#include <functional>

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

// The key a connection to the file is given: the program's password as the key it derives for
// the file, made once for all the files that share a salt (copies of one roster), since each
// derivation is slow under the sanitizers; another password as it is.
QByteArray KeyText(const QString& path, const QByteArray& password)
{
    static QHash<QByteArray, QByteArray> derived;
    const QByteArray firstPage = ReadFile(path).left(RosterCipher::PageSize);
    if (password == "790415 Korbu" && !derived.contains(firstPage.left(16)))
        derived.insert(firstPage.left(16), RosterCipher::RawKeyFor(firstPage).value_or(password));
    return password == "790415 Korbu" ? derived.value(firstPage.left(16)) : password;
}

// Runs statements on a database as any other SQLCipher client can, without the program's checks
// nor the file's own CHECK constraints, keyed with the program's password unless told another
// (none: a plain SQLite file). The rows the statements give go to the list given, their values
// joined, sorted.
void Alter(const QString& path, const QStringList& statements, QStringList* rows = nullptr,
           const QByteArray& key = "790415 Korbu")
{
    const sqlite3_callback append = [](void* rows, int count, char** values, char**) {
        QStringList row;
        for (int i = 0; i < count; ++i)
            row.append(values[i] ? QString::fromUtf8(values[i]) : "NULL");
        static_cast<QStringList*>(rows)->append(row.join('|'));
        return 0;
    };
    sqlite3* db = nullptr;
    for (const QString& statement : QStringList{Reconnect} + statements) {
        if (statement == Reconnect) {
            sqlite3_close(db);
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            const QByteArray keyText = KeyText(path, key);
            if (!keyText.isEmpty())
                QCOMPARE(sqlite3_key(db, keyText.constData(), int(keyText.size())), SQLITE_OK);
        }
        const QString sql =
            statement == Reconnect ? "PRAGMA ignore_check_constraints = ON" : statement;
        QVERIFY2(sqlite3_exec(db, sql.toUtf8().constData(), rows ? append : nullptr, rows,
                              nullptr) == SQLITE_OK,
                 sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    if (rows)
        rows->sort();
}

// The statements of the tables rewritten in other words, the engine's files left as they are.
QStringList Reworded(const QString& from, const QString& to)
{
    return {"PRAGMA writable_schema = ON",
            QString("UPDATE sqlite_master SET sql = replace(sql, '%1', '%2')").arg(from, to)};
}

// Makes a file at the path given.
using Maker = std::function<void(const QString& path)>;

// A change of one day of Garde.
QString Day(const char* change, const char* day)
{
    return QString("UPDATE [Garde] SET %1 WHERE [Jour] = '%2'").arg(change, day);
}

const QString SetVersion =
    QStringLiteral("UPDATE [Propriétés] SET [Valeur] = '%1' WHERE [Nom] = 'VersionID'");

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

} // namespace

class TestHostileRosters : public QObject {
    Q_OBJECT

private slots:
    // Each file names how it is made; most are rosters made by the program, then changed. Those
    // that open hold the program's columns and keys in other words, or a version up to the
    // program's own.
    void opening_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::addColumn<QString>("message"); // empty: the roster opens
        const auto row = [](const char* name, const QStringList& changes, const QString& message) {
            QTest::newRow(name) << Maker([changes](const QString& path) {
                QVERIFY(QFile::rename(CreateBlankRoster(2011), path));
                Alter(path, changes);
            }) << message;
        };
        const auto refused = [&](const char* name, const QStringList& changes) {
            row(name, changes, NotARoster);
        };
        const auto opened = [&](const char* name, const QStringList& changes) {
            row(name,
                QStringList{
                    "INSERT INTO [Participants] (rowid, [Médecin]) VALUES (5, 'B'), (2, 'A')",
                    "INSERT INTO [Partagé] VALUES ('2011-03-05', 'A', 8, 20)"} +
                    changes,
                {});
        };
        QTest::newRow("8 KB of junk") << Maker([](const QString& path) {
            QVERIFY(WriteFile(path, QByteArray("\x8f\x13\xe2\x5c").repeated(2048)));
        }) << NotARoster;
        QTest::newRow("empty file")
            << Maker([](const QString& path) { QVERIFY(WriteFile(path, {})); }) << NotARoster;
        QTest::newRow("truncated roster") << Maker([](const QString& path) {
            const QByteArray roster = ReadFile(CreateBlankRoster(2011));
            QVERIFY(WriteFile(path, roster.left(roster.size() / 2)));
        }) << NotARoster;
        QTest::newRow("plain SQLite file") << Maker([](const QString& path) {
            Alter(path, {"CREATE TABLE [Garde] ([Jour] TEXT, [Médecin] TEXT)"}, nullptr, {});
        }) << NotARoster;
        QTest::newRow("another password") << Maker([](const QString& path) {
            Alter(path, {"CREATE TABLE [Garde] ([Jour] TEXT, [Médecin] TEXT)"}, nullptr,
                  "790415 korbu");
        }) << NotARoster;
        QTest::newRow("header declaring 512-byte pages") << Maker([](const QString& path) {
            QVERIFY(QFile::rename(CreateBlankRoster(2011), path));
            DeclarePageSize(path, 512);
        }) << NotARoster;
        QTest::newRow("missing file") << Maker([](const QString&) {}) << NoWorkingFile;
        QTest::newRow("pipe") << Maker([](const QString& path) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }) << NoWorkingFile;
        QTest::newRow("link to an endless device")
            << Maker([](const QString& path) { QVERIFY(QFile::link("/dev/zero", path)); })
            << NoWorkingFile;
        QTest::newRow("larger than any roster") << Maker([](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(65 * 1024 * 1024));
        }) << NoWorkingFile;

        refused("no sector", {"DELETE FROM [Propriétés] WHERE [Nom] = 'Secteur'"});
        refused("no Garde", {"DROP TABLE [Garde]"});
        refused("no Partagé", {"DROP TABLE [Partagé]"});
        refused("Participants without Ville",
                {"ALTER TABLE [Participants] RENAME TO [Anciens]",
                 "CREATE TABLE [Participants] ([Médecin], [Semaine], [WE], [Etat-Civil], "
                 "[Identification], [Adresse], [CP])",
                 "DROP TABLE [Anciens]", "CREATE INDEX [Médecin] ON [Participants] ([Médecin])"});
        refused("index out of step with its table",
                {"INSERT INTO [Participants] ([Médecin], [Ville]) VALUES ('A', 'Digne')",
                 "PRAGMA writable_schema = ON",
                 "UPDATE sqlite_master SET sql = 'CREATE INDEX [Médecin] ON [Participants] "
                 "([Ville])' WHERE name = 'Médecin'"});
        refused("first day without a date",
                Reworded("[Jour] TEXT NOT NULL", "[Jour] TEXT") +
                    QStringList{Reconnect, Day("[Jour] = NULL", "2011-01-01")} +
                    Reworded("[Jour] TEXT CHECK", "[Jour] TEXT NOT NULL CHECK"));
        refused("first day with one byte changed", {Day("[Jour] = '2O11-01-01'", "2011-01-01")});
        refused("a day of June that is not a date", {Day("[Jour] = '2011-06-1!'", "2011-06-15")});
        refused("a day of another year",
                {"INSERT INTO [Garde] ([Jour], [Type]) VALUES ('2012-01-01', 2)"});
        refused("a type as text", {Day("[Type] = 'samedi'", "2011-03-05")});
        refused("a type beyond a byte", {Day("[Type] = 300", "2011-03-05")});
        refused("unavailability neither 0 nor 1", {Day("[Indispo] = 2", "2011-03-05")});
        refused("a participant's flag as text",
                {"INSERT INTO [Participants] ([Médecin], [Semaine]) VALUES ('A', 'oui')"});
        refused("a name that is not text", {Day("[Médecin] = x'00ff'", "2011-03-05")});
        refused("an interval beyond the duty day",
                {Day("[Médecin] = '<Partagé>'", "2011-03-05"),
                 "INSERT INTO [Partagé] VALUES ('2011-03-05', 'A', 20, 1e300)"});
        refused("view in place of Garde",
                {"DROP TABLE [Garde]", "CREATE VIEW [Garde] AS SELECT '2011-01-01' AS [Jour], "
                                       "'' AS [Médecin], 2 AS [Type], 0 AS [Indispo]"});
        refused("trigger rewriting the year",
                {"CREATE TRIGGER [Tout] AFTER UPDATE ON [Garde] BEGIN UPDATE [Garde] SET "
                 "[Médecin] = 'X' WHERE [Médecin] != 'X'; END"});
        refused("virtual table in place of Participants",
                {"DROP TABLE [Participants]",
                 "CREATE VIRTUAL TABLE [Participants] USING fts4([Médecin], [Semaine], [WE], "
                 "[Etat-Civil], [Identification], [Adresse], [CP], [Ville])"});
        refused("another table", {"CREATE TABLE [Notes] ([Texte])"});
        refused("view in place of the journal",
                {"DROP TABLE [Journal]", "CREATE VIEW [Journal] AS SELECT 1 AS [Quand]"});
        refused("trigger filed as an index of the journal",
                {"PRAGMA writable_schema = ON",
                 "INSERT INTO sqlite_master VALUES ('index', 'Caché', 'Journal', 0, 'CREATE "
                 "TRIGGER [Caché] AFTER UPDATE ON [Garde] BEGIN UPDATE [Garde] SET [Médecin] = "
                 "''Pirate''; END')"});
        refused("trigger filed as the journal",
                {"DROP TABLE [Journal]", "PRAGMA writable_schema = ON",
                 "INSERT INTO sqlite_master VALUES ('table', 'Journal', 'Journal', 2, 'CREATE "
                 "TRIGGER [Journal] AFTER UPDATE ON [Garde] BEGIN UPDATE [Garde] SET [Médecin] = "
                 "''Pirate''; END')"});
        refused("index on the journal", {"CREATE INDEX [Quand] ON [Journal] ([Quand])"});
        refused("trigger on the journal",
                {"CREATE TRIGGER [Écrit] AFTER INSERT ON [Journal] BEGIN DELETE FROM [Garde]; "
                 "END"});
        refused("Type declared as text", Reworded("[Type] INTEGER", "[Type] TEXT"));
        refused("Valeur without NOT NULL", Reworded("[Valeur] TEXT NOT NULL", "[Valeur] TEXT"));
        refused("doctor index on Garde",
                {"DROP INDEX [Médecin]", "CREATE INDEX [Médecin] ON Garde (Médecin)"});
        refused("a value a check left out refuses",
                Reworded("CHECK ([Indispo] IN (0, 1))", "") +
                    QStringList{Day("[Indispo] = 2", "2011-03-05")});
        refused("write-ahead log", {"PRAGMA journal_mode = WAL"});
        refused("Garde keyed on other columns",
                {"ALTER TABLE [Garde] RENAME TO [Ancienne]",
                 "CREATE TABLE [Garde] ([Jour], [Médecin], [Type], [Indispo], "
                 "UNIQUE ([Indispo], [Type], [Médecin], [Jour]))",
                 "INSERT INTO [Garde] SELECT * FROM [Ancienne]", "DROP TABLE [Ancienne]",
                 "INSERT INTO [Garde] VALUES ('2011-01-01', 'A', 2, 0)"});
        refused("no key on Partagé",
                {"ALTER TABLE [Partagé] RENAME TO [Ancien]",
                 "CREATE TABLE [Partagé] ([Jour], [Médecin], [HDébut], [HFin])",
                 "DROP TABLE [Ancien]"});
        refused(
            "an absence ending before it starts, its check left out",
            Reworded(" AND [Fin] >= [Début]", "") +
                QStringList{"INSERT INTO [Absences] VALUES ('A', '2011-03-05', '2011-03-04', '')"});
        refused("an absence in year 0",
                {"INSERT INTO [Absences] VALUES ('A', '0000-01-01', '0000-01-02', '')"});
        refused("a departure in year 0",
                {"INSERT INTO [Participants] ([Médecin], [Départ]) VALUES ('A', '0000-12-31')"});
        refused("a departure before the arrival",
                {"INSERT INTO [Participants] ([Médecin], [Arrivée], [Départ]) "
                 "VALUES ('A', '2011-07-01', '2011-06-30')"});
        refused("a name hiding 60 characters behind a NUL",
                {Day("[Médecin] = CAST(x'4100' || zeroblob(60) AS TEXT)", "2011-03-05")});
        refused("a town hiding text behind a NUL",
                {"INSERT INTO [Participants] ([Médecin], [Ville]) "
                 "VALUES ('A', CAST(x'44696e6500' || randomblob(40) AS TEXT))"});
        row("version 4.10.0", {SetVersion.arg("4.10.0")}, NewerVersion);
        row("a version too large for a number", {SetVersion.arg("99999999999999999999")},
            NewerVersion);
        row("a revision too large for a number", {SetVersion.arg("5.0.99999999999")}, NewerVersion);
        row("version 5.0 with a table of its own",
            {SetVersion.arg("5.0"), "CREATE TABLE [Notes] ([Texte])"}, NewerVersion);

        opened("types in lower case, keys unnamed",
               Reworded(" INTEGER", " integer") + Reworded("CONSTRAINT [Jour] ", ""));
        opened("a check left out, other spacing and quotes",
               Reworded("CHECK ([Indispo] IN (0, 1))", "") + Reworded("\n        ", " ") +
                   Reworded("[Jour]", "\"Jour\""));
        using RosterSchema::Version;
        opened("written by 4.2.0, without absences",
               EarlierTables(Version::Before430) + QStringList{SetVersion.arg("4.2.0")});
        opened("written by 4.2.0 in other words",
               EarlierTables(Version::Before430) + Reworded(" INTEGER", " integer"));
        opened("written by 4.3.0, without arrivals and departures",
               EarlierTables(Version::Before440) + QStringList{SetVersion.arg("4.3.0")});
        opened("version 4.2.0 with absences", {SetVersion.arg("4.2.0")});
        opened("written by 4.4.0, without a journal",
               {"DROP TABLE [Journal]", SetVersion.arg("4.4.0")});
        opened("a journal of another program's columns",
               {"DROP TABLE [Journal]", "CREATE TABLE [Journal] ([Texte] BLOB)",
                "INSERT INTO [Journal] VALUES (x'00')"});
        opened("version 4.1", {SetVersion.arg("4.1")});
        opened("unreadable version", {SetVersion.arg("5.0 bêta")});
    }

    // A file refused opens nothing and leaves nothing behind. One that opens has a working
    // copy holding every row under the program's own statements, which the next save writes.
    // Either way the file is as it was, byte for byte.
    void opening()
    {
        QFETCH(Maker, make);
        QFETCH(QString, message);
        TestEnvironment env;
        ScriptedInteraction ui;
        std::unique_ptr<RosterSession> opened;
        SessionManager sessions(
            ui, [&opened](std::unique_ptr<RosterSession> session) { opened = std::move(session); });
        const QString path = env.tempPath() + "/Garde.dat";
        make(path);
        const bool regular = QFileInfo(path).isFile();
        const QByteArray before = regular ? ReadFile(path) : QByteArray();

        sessions.openRoster(path);

        QCOMPARE(ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(opened != nullptr, message.isEmpty());
        QCOMPARE(env.workFiles().size(), message.isEmpty() ? 1 : 0);
        if (regular)
            QCOMPARE(ReadFile(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
        if (!message.isEmpty()) {
            QCOMPARE(ui.shown.first().icon,
                     message == NoWorkingFile ? MessageIcon::Information : MessageIcon::Critical);
            return;
        }
        const auto rows = [](const QString& path, const QStringList& queries) {
            QStringList rows;
            Alter(path, queries, &rows);
            return rows;
        };
        const QStringList tables = {"SELECT * FROM [Garde]", "SELECT * FROM [Partagé]",
                                    "SELECT rowid, [Médecin], [Semaine], [WE], [Etat-Civil], "
                                    "[Identification], [Adresse], [CP], [Ville] "
                                    "FROM [Participants]",
                                    "SELECT * FROM [Propriétés] WHERE [Nom] != 'VersionID'"};
        // The journal is compared apart: another program's stays as it is, unread.
        const QStringList schema = {
            "SELECT type, name, tbl_name, sql FROM sqlite_master WHERE tbl_name != 'Journal'"};
        const QString work = opened->document().workPath();
        QCOMPARE(rows(work, schema), rows(CreateBlankRoster(2011), schema));
        QCOMPARE(rows(work, tables), rows(path, tables));
    }
};

QTEST_GUILESS_MAIN(TestHostileRosters)
#include "tst_hostilerosters.moc"
