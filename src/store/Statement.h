#pragma once

#include <QDate>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQL statement. Values always go in through bind(), never into the SQL text.
// Every engine failure throws DatabaseError.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    // Parameters are numbered from 1.
    Statement& bind(int index, const QString& text);
    Statement& bind(int index, int value);
    Statement& bind(int index, qint64 value);
    Statement& bind(int index, double value);
    Statement& bind(int index, bool value);
    // A day is stored as ISO text, YYYY-MM-DD; no day (an invalid date) as NULL.
    Statement& bind(int index, QDate day);

    // Advances to the next row; false once the statement is done.
    bool step();
    // Runs a statement that returns no row.
    void execute();
    // Makes the statement ready to run again with new values.
    void reset();

    // Columns are numbered from 0.
    QString text(int column) const;
    int integer(int column) const;
    qint64 integer64(int column) const;
    double real(int column) const;
    bool boolean(int column) const;
    QDate date(int column) const;
    bool isNull(int column) const;

private:
    [[noreturn]] void fail(int code) const;
    void check(int code) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The text of a column: empty text when the column holds no value.
QString NullToText(sqlite3_stmt* stmt, int column);

// The text form of a day in the database.
QString DayToText(QDate day);
