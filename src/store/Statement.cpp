#include "store/Statement.h"

#include "store/DatabaseError.h"

#include <sqlite3.h>

#include <cstdint>
#include <utility>

namespace {

// SQLite copies the bound bytes before bind returns.
const auto CopyValue = reinterpret_cast<sqlite3_destructor_type>(static_cast<std::intptr_t>(-1));

} // namespace

Statement::Statement(sqlite3* db, const char* sql)
    : db_(db)
{
    const int code = sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr);
    if (code != SQLITE_OK)
        fail(code);
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_)
    , stmt_(std::exchange(other.stmt_, nullptr))
{
}

Statement& Statement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    check(sqlite3_bind_text(stmt_, index, utf8.constData(), static_cast<int>(utf8.size()),
                            CopyValue));
    return *this;
}

Statement& Statement::bind(int index, int value)
{
    check(sqlite3_bind_int(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, qint64 value)
{
    check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    check(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, bool value)
{
    return bind(index, value ? 1 : 0);
}

Statement& Statement::bind(int index, QDate day)
{
    if (!day.isValid()) {
        check(sqlite3_bind_null(stmt_, index));
        return *this;
    }
    return bind(index, DayToText(day));
}

bool Statement::step()
{
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    fail(code);
}

void Statement::execute()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

QString Statement::text(int column) const
{
    return NullToText(stmt_, column);
}

int Statement::integer(int column) const
{
    return sqlite3_column_int(stmt_, column);
}

qint64 Statement::integer64(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(stmt_, column);
}

bool Statement::boolean(int column) const
{
    return sqlite3_column_int(stmt_, column) != 0;
}

QDate Statement::date(int column) const
{
    return QDate::fromString(text(column), Qt::ISODate);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

void Statement::fail(int code) const
{
    throw DatabaseError(code, sqlite3_errmsg(db_));
}

void Statement::check(int code) const
{
    if (code != SQLITE_OK)
        fail(code);
}

QString NullToText(sqlite3_stmt* stmt, int column)
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(stmt, column)) : QString();
}

QString DayToText(QDate day)
{
    return day.toString(Qt::ISODate);
}
