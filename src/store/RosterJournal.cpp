#include "store/RosterJournal.h"

#include "store/DatabaseError.h"
#include "store/RosterDatabase.h"
#include "store/RosterSchema.h"
#include "store/Transaction.h"

#include <sqlite3.h>

namespace RosterJournal {

namespace {

// The statement that made the journal; none without one.
std::optional<QString> StatementOf(const RosterDatabase& db)
{
    Statement found = db.prepare(R"(SELECT sql FROM sqlite_master WHERE name = 'Journal')");
    return found.step() ? std::optional(found.text(0)) : std::nullopt;
}

// The journal's columns as the engine reads them, whatever words made it: name, type, NOT NULL
// and place in the primary key.
QStringList ColumnsOfJournal(const RosterDatabase& db)
{
    QStringList columns;
    Statement info = db.prepare(R"(PRAGMA table_info([Journal]))");
    while (info.step())
        columns.append(info.text(1) + QLatin1Char('|') + info.text(2).toUpper() + QLatin1Char('|') +
                       info.text(3) + QLatin1Char('|') + info.text(5));
    return columns;
}

// Another tool's words for the program's journal are brought under the program's own, rows
// and order kept; a journal of other columns is left as it is, unread.
void Redefine(const RosterDatabase& db)
{
    static const QStringList own{QStringLiteral("Quand|TEXT|1|0"),
                                 QStringLiteral("Utilisateur|TEXT|1|0"),
                                 QStringLiteral("Modification|TEXT|1|0")};
    if (ColumnsOfJournal(db) != own)
        return;
    Transaction transaction(db);
    db.execute(R"(ALTER TABLE [Journal] RENAME TO [Journal lu])");
    db.execute(RosterSchema::CreateJournal);
    db.execute(R"(INSERT INTO [Journal] (rowid, [Quand], [Utilisateur], [Modification])
                  SELECT rowid, [Quand], [Utilisateur], [Modification] FROM [Journal lu])");
    db.execute(R"(DROP TABLE [Journal lu])");
    transaction.commit();
}

} // namespace

bool Ensure(const RosterDatabase& db)
{
    const std::optional<QString> statement = StatementOf(db);
    if (!statement) {
        db.execute(RosterSchema::CreateJournal);
        return true;
    }
    if (*statement != QLatin1String(RosterSchema::CreateJournal)) {
        try {
            Redefine(db);
        } catch (const DatabaseError&) {
            // Rows the program's journal cannot hold: the journal stays as it was, unread.
        }
    }
    return false;
}

std::optional<QList<JournalEntry>> Read(const RosterDatabase& db)
{
    QList<JournalEntry> entries;
    try {
        Statement select = db.prepare(
            R"(SELECT [Quand], [Utilisateur], [Modification] FROM [Journal] ORDER BY rowid)");
        while (select.step()) {
            const QDateTime when = QDateTime::fromString(select.text(0), Qt::ISODate);
            if (!when.isValid())
                return std::nullopt;
            entries.append({when, select.text(1), select.text(2)});
        }
    } catch (const DatabaseError&) {
        return std::nullopt;
    }
    return entries;
}

qint64 Append(const RosterDatabase& db, const JournalEntry& entry)
{
    db.prepare(R"(INSERT INTO [Journal] ([Quand], [Utilisateur], [Modification])
                  VALUES (?1, ?2, ?3))")
        .bind(1, entry.when.toUTC().toString(Qt::ISODate))
        .bind(2, entry.user)
        .bind(3, entry.edit)
        .execute();
    return sqlite3_last_insert_rowid(db.handle());
}

bool IsOwn(const RosterDatabase& db)
{
    try {
        return StatementOf(db) == QString::fromUtf8(RosterSchema::CreateJournal);
    } catch (const DatabaseError&) {
        return false;
    }
}

void Remove(const RosterDatabase& db, qint64 row)
{
    db.prepare(R"(DELETE FROM [Journal] WHERE rowid = ?1)").bind(1, row).execute();
}

} // namespace RosterJournal
