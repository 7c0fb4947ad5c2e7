#include "RosterDatabase.h"

#include "AppInfo.h"
#include "AppSettings.h"
#include "DatabaseError.h"
#include "FileStamp.h"
#include "RegularFile.h"
#include "RosterCipher.h"
#include "RosterSchema.h"
#include "RosterYear.h"
#include "Transaction.h"
#include "WorkFile.h"

#include <sqlite3.h>

RosterDatabase::RosterDatabase(sqlite3* db, QString path, std::unique_ptr<QFile> file,
                               std::unique_ptr<WorkFile> workFile)
    : workFile_(std::move(workFile))
    , file_(std::move(file))
    , db_(db)
    , path_(std::move(path))
{
}

RosterDatabase::~RosterDatabase()
{
    sqlite3_close_v2(db_);
}

sqlite3* RosterDatabase::openKeyed(const QString& path, const QByteArray& key)
{
    sqlite3* db = nullptr;
    int code =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    if (code != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close_v2(db);
        throw DatabaseError(code, message);
    }
    return db;
}

std::unique_ptr<RosterDatabase> RosterDatabase::create(std::unique_ptr<WorkFile> workFile,
                                                       const QString& sector)
{
    const QString path = workFile->path();
    std::unique_ptr<QFile> file = OpenRegularFile(path);
    if (!file)
        throw DatabaseError(SQLITE_CANTOPEN, "the working file cannot be read");
    // The engine takes the empty file for a new database, and salts its key at random.
    std::unique_ptr<RosterDatabase> db(new RosterDatabase(
        openKeyed(path, RosterCipher::Password()), path, std::move(file), std::move(workFile)));
    Transaction transaction(*db);
    for (int i = 0; i < RosterSchema::CreateStatementCount; ++i)
        db->execute(RosterSchema::CreateStatements[i]);
    db->setProperty(RosterSchema::VersionProperty, AppInfo::VersionText());
    db->setProperty(RosterSchema::SectorProperty, sector);
    transaction.commit();
    return db;
}

std::unique_ptr<RosterDatabase> RosterDatabase::open(const QString& path)
{
    return open(path, nullptr);
}

std::unique_ptr<RosterDatabase> RosterDatabase::open(std::unique_ptr<WorkFile> workFile)
{
    if (!workFile)
        return nullptr;
    const QString path = workFile->path();
    return open(path, std::move(workFile));
}

std::unique_ptr<RosterDatabase> RosterDatabase::open(const QString& path,
                                                     std::unique_ptr<WorkFile> workFile)
{
    // The program opens its own working copies only, in a folder nobody else may write: the
    // file checked here is the file the engine opens below.
    std::unique_ptr<QFile> file = OpenRegularFile(path);
    if (!file)
        return nullptr;
    // The engine would read a malformed first page past its buffers: it is checked first, and
    // the key it yields spares the engine a second derivation.
    const std::optional<QByteArray> key =
        RosterCipher::RawKeyFor(file->read(RosterCipher::PageSize));
    if (!key)
        return nullptr;
    try {
        std::unique_ptr<RosterDatabase> db(
            new RosterDatabase(openKeyed(path, *key), path, std::move(file), std::move(workFile)));
        if (!db->isAtItsPath())
            return nullptr;
        db->checkIsRoster();
        return db;
    } catch (const DatabaseError&) {
        return nullptr;
    }
}

bool RosterDatabase::isAtItsPath() const
{
    const std::optional<FileStamp> named = StampOf(path_);
    const std::optional<FileStamp> open = StampOf(file_->handle());
    return named && open && named->isSameFileAs(*open);
}

void RosterDatabase::checkIsRoster() const
{
    checkSchemaIsTheProgramsOwn();
    // The same full check as before a save: a roster that opens can be saved.
    if (!passesIntegrityCheck())
        throw DatabaseError(SQLITE_CORRUPT, "the roster file is damaged");
    for (int i = 0; i < RosterSchema::ContentCheckCount; ++i) {
        if (prepare(RosterSchema::ContentChecks[i]).step())
            throw DatabaseError(SQLITE_CONSTRAINT, "the roster holds values it cannot hold");
    }
    checkHoldsOneYear();
    if (!property(RosterSchema::SectorProperty))
        throw DatabaseError(SQLITE_NOTFOUND, "the roster has no sector");
}

void RosterDatabase::checkSchemaIsTheProgramsOwn() const
{
    // Exactly the program's tables, keys and indexes: a view, a trigger or a virtual table
    // would run the file's own code inside the program.
    QStringList expected;
    for (int i = 0; i < RosterSchema::ObjectCount; ++i) {
        const RosterSchema::SchemaObject& object = RosterSchema::Objects[i];
        expected.append(QStringList{QString::fromUtf8(object.type), QString::fromUtf8(object.name),
                                    QString::fromUtf8(object.sql)}
                            .join(QLatin1Char('\n')));
    }
    QStringList found;
    Statement objects = prepare(RosterSchema::SelectObjects);
    while (objects.step())
        found.append(
            QStringList{objects.text(0), objects.text(1), objects.text(2)}.join(QLatin1Char('\n')));
    expected.sort();
    found.sort();
    if (found != expected)
        throw DatabaseError(SQLITE_CORRUPT, "the roster's schema is not the program's");
}

void RosterDatabase::checkHoldsOneYear() const
{
    Statement range = prepare(R"(SELECT min([Jour]), max([Jour]) FROM [Garde])");
    range.step();
    const QDate first = range.date(0);
    const QDate last = range.date(1);
    if (!first.isValid() || first.year() != last.year() || !IsRosterYear(first.year()))
        throw DatabaseError(SQLITE_CONSTRAINT, "the roster does not hold the days of one year");
}

Statement RosterDatabase::prepare(const char* sql) const
{
    return Statement(db_, sql);
}

void RosterDatabase::execute(const char* sql) const
{
    prepare(sql).execute();
}

bool RosterDatabase::isIdle() const
{
    if (sqlite3_get_autocommit(db_) == 0)
        return false;
    for (sqlite3_stmt* stmt = sqlite3_next_stmt(db_, nullptr); stmt;
         stmt = sqlite3_next_stmt(db_, stmt)) {
        if (sqlite3_stmt_busy(stmt))
            return false;
    }
    return true;
}

bool RosterDatabase::passesIntegrityCheck() const
{
    try {
        Statement check = prepare("PRAGMA integrity_check");
        return check.step() && check.text(0) == QLatin1String("ok") && !check.step();
    } catch (const DatabaseError&) {
        return false;
    }
}

std::optional<QString> RosterDatabase::property(const char* name) const
{
    Statement select = prepare(RosterSchema::SelectProperty);
    select.bind(1, QString::fromUtf8(name));
    if (!select.step())
        return std::nullopt;
    return select.text(0);
}

void RosterDatabase::setProperty(const char* name, const QString& value) const
{
    prepare(RosterSchema::InsertOrReplaceProperty)
        .bind(1, QString::fromUtf8(name))
        .bind(2, value)
        .execute();
}

std::unique_ptr<RosterDatabase> CreateRosterDatabase()
{
    std::unique_ptr<WorkFile> file = WorkFile::create();
    if (!file)
        return nullptr;
    try {
        return RosterDatabase::create(std::move(file), DefaultSectorName());
    } catch (const DatabaseError&) {
        return nullptr;
    }
}

std::unique_ptr<RosterDatabase>
CreateRosterDatabase(const std::function<void(const RosterDatabase&)>& fill)
{
    std::unique_ptr<RosterDatabase> db = CreateRosterDatabase();
    if (!db)
        return nullptr;
    try {
        fill(*db);
    } catch (const DatabaseError&) {
        return nullptr;
    }
    return db;
}
