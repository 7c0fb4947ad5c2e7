#include "store/RosterDatabase.h"

#include "store/AppInfo.h"
#include "store/DatabaseError.h"
#include "store/FileStamp.h"
#include "store/RegularFile.h"
#include "store/RosterCipher.h"
#include "store/RosterJournal.h"
#include "store/RosterSchema.h"
#include "store/RosterYear.h"
#include "store/Settings.h"
#include "store/Transaction.h"
#include "store/WorkFile.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace {

// A schema as the program compares a file's with its own.
struct Definitions {
    // Each object's type, name and table, and whether the engine stores it as rows.
    QStringList objects;
    // Each object's statement.
    QStringList statements;
    // The tables' columns, as RosterSchema::DescribeTables gives them.
    QStringList columns;
};

QString Row(const QStringList& values)
{
    return values.join(QLatin1Char('\n'));
}

// The journal's table, of any columns, is the journal's business: a journal the program cannot
// read leaves the roster readable. The engine builds each object from its statement, whatever
// the other columns say: only a plain table of that name is let through, by its statement.
// Anything else (a view, a virtual table, a trigger, an index) is an object the schema must
// not hold.
bool IsJournalObject(const Statement& object)
{
    static const QRegularExpression plainTable(
        QStringLiteral(R"(^\s*CREATE\s+TABLE\s+(\[Journal\]|"Journal"|`Journal`|Journal)\s*\()"),
        QRegularExpression::CaseInsensitiveOption);
    return object.text(0) == QLatin1String("table") &&
           object.text(1) == QLatin1String(RosterSchema::JournalTable) &&
           object.text(2) == QLatin1String(RosterSchema::JournalTable) &&
           object.text(3) == QLatin1String("1") && plainTable.match(object.text(4)).hasMatch();
}

Definitions ObjectsOf(sqlite3* db)
{
    Definitions definitions;
    Statement objects(db, RosterSchema::SelectObjects);
    while (objects.step()) {
        if (IsJournalObject(objects))
            continue;
        definitions.objects.append(
            Row({objects.text(0), objects.text(1), objects.text(2), objects.text(3)}));
        definitions.statements.append(Row({objects.text(1), objects.text(4)}));
    }
    definitions.objects.sort();
    definitions.statements.sort();
    return definitions;
}

// A declared type names the same type in any case. Defaults are left out: they never reach
// the rows copied, and the program's own replace them.
QStringList ColumnsOf(sqlite3* db)
{
    QStringList columns;
    for (int i = 0; i < RosterSchema::DescribeTableCount; ++i) {
        Statement info(db, RosterSchema::DescribeTables[i]);
        while (info.step())
            columns.append(Row({QString::number(i), info.text(0), info.text(1),
                                info.text(2).toUpper(), info.text(3), info.text(5)}));
    }
    return columns;
}

// Read from a database the statements make in memory.
Definitions DefinitionsOf(const std::vector<const char*>& statements)
{
    sqlite3* db = nullptr;
    const int code = sqlite3_open(":memory:", &db);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> closing(db, &sqlite3_close);
    if (code != SQLITE_OK)
        throw DatabaseError(code, "no database can be made in memory");
    for (const char* statement : statements)
        Statement(db, statement).execute();
    Definitions definitions = ObjectsOf(db);
    definitions.columns = ColumnsOf(db);
    return definitions;
}

using RosterSchema::Version;

// The schema of each version a roster file may hold, made once.
const Definitions& OwnDefinitions(Version version)
{
    static const Definitions definitions[] = {
        DefinitionsOf(RosterSchema::StatementsOf(Version::Before430)),
        DefinitionsOf(RosterSchema::StatementsOf(Version::Before440)),
        DefinitionsOf(RosterSchema::StatementsOf(Version::Current)),
    };
    return definitions[static_cast<int>(version)];
}

// The numbers of a version such as "4.2.0", as digits without leading zeros so that no number
// is too large to compare; empty unless it is numbers separated by dots.
QStringList VersionNumbers(const QString& version)
{
    QStringList numbers;
    for (QString part : version.split(QLatin1Char('.'))) {
        if (part.isEmpty() || !std::all_of(part.cbegin(), part.cend(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            }))
            return {};
        while (part.size() > 1 && part.startsWith(QLatin1Char('0')))
            part.remove(0, 1);
        numbers.append(part);
    }
    return numbers;
}

// Number by number: "4.10.0", "5.0" and "99999999999999999999" are newer than "4.2.0", "4.2"
// is the same.
bool IsNewerThanThisProgram(const QString& version)
{
    QStringList theirs = VersionNumbers(version);
    QStringList ours = VersionNumbers(AppInfo::VersionText());
    if (theirs.isEmpty())
        return false;
    const qsizetype size = std::max(theirs.size(), ours.size());
    theirs.resize(size, QStringLiteral("0"));
    ours.resize(size, QStringLiteral("0"));
    const auto longerFirst = [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    };
    return std::lexicographical_compare(ours.cbegin(), ours.cend(), theirs.cbegin(), theirs.cend(),
                                        longerFirst);
}

} // namespace

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
                                                       const QString& sector,
                                                       const RosterRules& rules)
{
    const QString path = workFile->path();
    std::unique_ptr<QFile> file = OpenRegularFile(path);
    if (!file)
        throw DatabaseError(SQLITE_CANTOPEN, "the working file cannot be read");
    // The engine takes the empty file for a new database, and salts its key at random.
    std::unique_ptr<RosterDatabase> db(new RosterDatabase(
        openKeyed(path, RosterCipher::Password()), path, std::move(file), std::move(workFile)));
    Transaction transaction(*db);
    for (const char* statement : RosterSchema::StatementsOf(Version::Current))
        db->execute(statement);
    db->execute(RosterSchema::CreateJournal);
    db->setProperty(RosterSchema::VersionProperty, AppInfo::VersionText());
    db->setProperty(RosterSchema::SectorProperty, sector);
    db->setRules(rules);
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
    try {
        std::unique_ptr<RosterDatabase> db = openUnchecked(path, std::move(workFile));
        if (!db || !db->isAtItsPath())
            return nullptr;
        db->checkIsRoster();
        return db;
    } catch (const DatabaseError&) {
        return nullptr;
    }
}

std::unique_ptr<RosterDatabase> RosterDatabase::openUnchecked(const QString& path,
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
    return std::unique_ptr<RosterDatabase>(
        new RosterDatabase(openKeyed(path, *key), path, std::move(file), std::move(workFile)));
}

bool RosterDatabase::isFromNewerVersion(const QString& path)
{
    try {
        const std::unique_ptr<RosterDatabase> db = openUnchecked(path, nullptr);
        // Only a table is read: a view would run the file's own code inside the program.
        return db && db->prepare(RosterSchema::SelectPropertiesTable).step() &&
               IsNewerThanThisProgram(
                   db->property(RosterSchema::VersionProperty).value_or(QString()));
    } catch (const DatabaseError&) {
        return false;
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
    const SchemaFound schema = checkSchema();
    // The same full check as before a save: a roster that opens can be saved.
    if (!passesIntegrityCheck())
        throw DatabaseError(SQLITE_CORRUPT, "the roster file is damaged");
    if (schema.version != Version::Current || !schema.ownStatements)
        redefineAsTheProgramsOwn(schema.version);
    for (int i = 0; i < RosterSchema::ContentCheckCount; ++i) {
        if (prepare(RosterSchema::ContentChecks[i]).step())
            throw DatabaseError(SQLITE_CONSTRAINT, "the roster holds values it cannot hold");
    }
    checkHoldsOneYear();
    if (!property(RosterSchema::SectorProperty))
        throw DatabaseError(SQLITE_NOTFOUND, "the roster has no sector");
    // A roster of an earlier version starts its journal empty, and says it has one.
    if (RosterJournal::Ensure(*this))
        setProperty(RosterSchema::VersionProperty, AppInfo::VersionText());
}

RosterDatabase::SchemaFound RosterDatabase::checkSchema() const
{
    // Exactly the program's tables and indexes, of this version or an earlier one: a view, a
    // trigger or a virtual table would run the file's own code inside the program.
    const Definitions found = ObjectsOf(db_);
    QStringList columns;
    for (const Version version : {Version::Current, Version::Before440, Version::Before430}) {
        const Definitions& own = OwnDefinitions(version);
        if (found.objects != own.objects)
            continue;
        if (found.statements == own.statements)
            return {version, true};
        // Another tool's words for the same tables (a script, the sqlcipher shell) are taken
        // only for the same columns and keys.
        if (columns.isEmpty())
            columns = ColumnsOf(db_);
        if (columns == own.columns)
            return {version, false};
    }
    throw DatabaseError(SQLITE_CORRUPT, "the roster's tables are not the program's");
}

// From then on the file holds this version's own statements, and the next save writes them; a
// roster of an earlier version gains what this one adds, and says it has it. Rows the
// program's checks refuse fail the whole change: nothing is copied by halves.
void RosterDatabase::redefineAsTheProgramsOwn(Version version) const
{
    Transaction transaction(*this);
    for (const char* statement : RosterSchema::RedefineStatements(version))
        execute(statement);
    if (version != Version::Current)
        setProperty(RosterSchema::VersionProperty, AppInfo::VersionText());
    transaction.commit();
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

void RosterDatabase::removeProperty(const char* name) const
{
    prepare(RosterSchema::DeleteProperty).bind(1, QString::fromUtf8(name)).execute();
}

void RosterDatabase::setRules(const RosterRules& rules) const
{
    for (const RuleText& rule : RuleTexts(rules)) {
        if (rule.asDefault)
            removeProperty(rule.name);
        else
            setProperty(rule.name, rule.value);
    }
}

std::unique_ptr<RosterDatabase> CreateRosterDatabase()
{
    std::unique_ptr<WorkFile> file = WorkFile::create();
    if (!file)
        return nullptr;
    try {
        const Settings settings;
        return RosterDatabase::create(std::move(file), settings.defaultSector(), settings.rules());
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
