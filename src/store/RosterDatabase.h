#pragma once

#include "Statement.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

struct sqlite3;

// An open roster database: one encrypted file keyed with the roster password, holding the
// tables Garde, Partagé and Participants and the properties VersionID and Secteur.
class RosterDatabase {
public:
    enum class OpenFailure {
        NotFound,  // no such file
        NotRoster, // empty, damaged, not a database, another password or an incomplete schema
    };

    // Creates a new, empty roster database, readable by its owner only, in a file that must not
    // exist yet.
    // Throws DatabaseError; the caller removes whatever file was left behind.
    static std::unique_ptr<RosterDatabase> create(const QString& path, const QString& sector);

    // Opens an existing roster file for reading and writing. Never creates or changes the file:
    // anything that is not a whole roster is refused, with the reason in failure.
    static std::unique_ptr<RosterDatabase> open(const QString& path,
                                                OpenFailure* failure = nullptr);

    ~RosterDatabase();
    RosterDatabase(const RosterDatabase&) = delete;
    RosterDatabase& operator=(const RosterDatabase&) = delete;

    QString path() const { return path_; }
    sqlite3* handle() const { return db_; }

    Statement prepare(const char* sql) const;
    void execute(const char* sql) const;

    // No transaction is open and no statement is running: the file on disk is complete.
    bool isIdle() const;
    // The engine's full integrity check of every page, index and constraint.
    bool passesIntegrityCheck() const;

    std::optional<QString> property(const char* name) const;
    void setProperty(const char* name, const QString& value) const;

private:
    RosterDatabase(sqlite3* db, QString path);
    static sqlite3* openKeyed(const QString& path, int flags);
    void checkIsRoster() const;

    sqlite3* db_;
    QString path_;
};

// A new, empty roster database in a fresh working file, its sector taken from the settings.
// Null when no working file could be made or the engine failed; nothing is left behind then.
std::unique_ptr<RosterDatabase> CreateRosterDatabase();

// The same, then filled by the given writes; null, with no working file left behind, when
// the database could not be made or the writes failed.
std::unique_ptr<RosterDatabase>
CreateRosterDatabase(const std::function<void(const RosterDatabase&)>& fill);
