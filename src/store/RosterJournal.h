#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class RosterDatabase;

// One change written in a roster's journal: when, by whom (the login name) and what, as the
// history of edits names it ("Mettre de garde Dr Martin le 12 mars").
struct JournalEntry {
    QDateTime when;
    QString user;
    QString edit;

    bool operator==(const JournalEntry&) const = default;
};

// The journal of changes kept in the roster file (the table Journal, rows only ever appended):
// the instant as UTC ISO text ("2027-03-12T10:15:00Z"), the login name, the edit. Files of
// earlier versions gain an empty one. Another program's journal the program cannot read leaves
// the roster readable: only the journal is then lost to it.
namespace RosterJournal {

// Makes the journal when the file has none; true when it was made. Throws DatabaseError.
bool Ensure(const RosterDatabase& db);
// Every entry, oldest first; nothing when the journal cannot be read.
std::optional<QList<JournalEntry>> Read(const RosterDatabase& db);
// Whether the journal is the program's own, the only one it writes to: another program's is
// left as it is.
bool IsOwn(const RosterDatabase& db);
// Appends an entry; its row. Throws DatabaseError.
qint64 Append(const RosterDatabase& db, const JournalEntry& entry);
// Takes away an entry never saved to the roster file. Throws DatabaseError.
void Remove(const RosterDatabase& db, qint64 row);

} // namespace RosterJournal
