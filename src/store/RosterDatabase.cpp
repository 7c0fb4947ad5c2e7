#include "RosterDatabase.h"

#include "AppInfo.h"
#include "AppSettings.h"
#include "DatabaseError.h"
#include "RosterSchema.h"
#include "Transaction.h"
#include "WorkFile.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// Every roster file is keyed with this password; the key derivation is part of the file format.
constexpr char RosterPassword[] = "790415 Korbu";

} // namespace

RosterDatabase::RosterDatabase(sqlite3* db, QString path)
    : db_(db)
    , path_(std::move(path))
{
}

RosterDatabase::~RosterDatabase()
{
    sqlite3_close_v2(db_);
}

sqlite3* RosterDatabase::openKeyed(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_key(db, RosterPassword, static_cast<int>(sizeof RosterPassword - 1));
    // Rosters are only ever opened on working copies: the user's file is written by an atomic
    // save that refuses a damaged copy, so waiting for the disk at every commit buys nothing.
    if (code == SQLITE_OK)
        code = sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close_v2(db);
        throw DatabaseError(code, message);
    }
    return db;
}

std::unique_ptr<RosterDatabase> RosterDatabase::create(const QString& path, const QString& sector)
{
    // The engine takes the empty private file for a new database.
    if (!CreatePrivateFile(path))
        throw DatabaseError(SQLITE_CANTOPEN, "the working file cannot be created");
    std::unique_ptr<RosterDatabase> db(
        new RosterDatabase(openKeyed(path, SQLITE_OPEN_READWRITE), path));
    Transaction transaction(*db);
    for (int i = 0; i < RosterSchema::CreateStatementCount; ++i)
        db->execute(RosterSchema::CreateStatements[i]);
    db->setProperty(RosterSchema::VersionProperty, AppInfo::VersionText());
    db->setProperty(RosterSchema::SectorProperty, sector);
    transaction.commit();
    return db;
}

std::unique_ptr<RosterDatabase> RosterDatabase::open(const QString& path, OpenFailure* failure)
{
    auto refuse = [failure](OpenFailure why) {
        if (failure)
            *failure = why;
        return nullptr;
    };
    const QFileInfo info(path);
    if (!info.isFile())
        return refuse(OpenFailure::NotFound);
    // The engine would take an empty file for a new database and write a schema into it.
    if (info.size() == 0)
        return refuse(OpenFailure::NotRoster);
    try {
        std::unique_ptr<RosterDatabase> db(
            new RosterDatabase(openKeyed(path, SQLITE_OPEN_READWRITE), path));
        db->checkIsRoster();
        return db;
    } catch (const DatabaseError&) {
        return refuse(OpenFailure::NotRoster);
    }
}

void RosterDatabase::checkIsRoster() const
{
    // The first read pays the key derivation and fails for another password, a plain or
    // damaged file; quick_check reads every page, so a truncated file is caught here too.
    Statement check = prepare("PRAGMA quick_check");
    if (!check.step() || check.text(0) != QLatin1String("ok"))
        throw DatabaseError(SQLITE_CORRUPT, "the roster file is damaged");
    for (int i = 0; i < RosterSchema::SchemaProbeCount; ++i)
        prepare(RosterSchema::SchemaProbes[i]);
    if (!property(RosterSchema::SectorProperty))
        throw DatabaseError(SQLITE_NOTFOUND, "the roster has no sector");
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
    const QString path = GetWorkFilePath();
    if (path.isEmpty())
        return nullptr;
    try {
        return RosterDatabase::create(path, DefaultSectorName());
    } catch (const DatabaseError&) {
        DeleteWorkFile(path);
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
        const QString path = db->path();
        db.reset();
        DeleteWorkFile(path);
        return nullptr;
    }
    return db;
}
