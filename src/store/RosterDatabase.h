#pragma once

#include "store/RosterRules.h"
#include "store/RosterSchema.h"
#include "store/Statement.h"

#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

struct sqlite3;
class WorkFile;

// An open roster database: one encrypted file keyed with the roster password, holding the
// tables Garde, Partagé, Participants and Absences and the properties VersionID and Secteur.
class RosterDatabase {
public:
    // Creates a new, empty roster database in an empty working file, which it then owns, with
    // its sector and the group's rules. Throws DatabaseError.
    static std::unique_ptr<RosterDatabase> create(std::unique_ptr<WorkFile> file,
                                                  const QString& sector, const RosterRules& rules);

    // Opens a roster file for reading and writing. Only a whole roster opens, one the program
    // can show, edit and save, whoever wrote it; anything else is refused without being
    // changed. Tables that another tool defined in its own words, with the program's columns
    // and keys, are brought under the program's own statements, their rows kept; a roster of
    // the version before gains the tables it lacks. Null when refused.
    static std::unique_ptr<RosterDatabase> open(const QString& path);
    // The same on a working file, which the database then owns; a refused working file is
    // removed. Null, too, without a working file.
    static std::unique_ptr<RosterDatabase> open(std::unique_ptr<WorkFile> file);

    // Whether the roster file at this path names, in its property VersionID, a newer version of
    // the program than this one. Read before anything else is checked: a newer version may
    // well have added tables. False for a file that is not a roster, and for a version that is
    // not numbers separated by dots.
    static bool isFromNewerVersion(const QString& path);

    ~RosterDatabase();
    RosterDatabase(const RosterDatabase&) = delete;
    RosterDatabase& operator=(const RosterDatabase&) = delete;

    QString path() const { return path_; }
    sqlite3* handle() const { return db_; }
    // The working file the database lives in; null for a database opened on another file.
    WorkFile* workFile() const { return workFile_.get(); }
    // The database file itself, as the engine has it open, whatever its path names now.
    QFile& file() const { return *file_; }
    // Whether the path still names the file the engine reads and writes.
    bool isAtItsPath() const;

    Statement prepare(const char* sql) const;
    void execute(const char* sql) const;

    // No transaction is open and no statement is running: the file on disk is complete.
    bool isIdle() const;
    // The engine's full integrity check of every page, index and constraint.
    bool passesIntegrityCheck() const;

    std::optional<QString> property(const char* name) const;
    void setProperty(const char* name, const QString& value) const;
    void removeProperty(const char* name) const;
    // The group's rules among the properties: only those that differ from the defaults are
    // kept, so that a roster that never changed them follows the program's defaults.
    void setRules(const RosterRules& rules) const;

private:
    RosterDatabase(sqlite3* db, QString path, std::unique_ptr<QFile> file,
                   std::unique_ptr<WorkFile> workFile);
    static std::unique_ptr<RosterDatabase> open(const QString& path,
                                                std::unique_ptr<WorkFile> workFile);
    // The database of an encrypted roster file, keyed, nothing of it checked yet; null when the
    // file is none.
    static std::unique_ptr<RosterDatabase> openUnchecked(const QString& path,
                                                         std::unique_ptr<WorkFile> workFile);
    static sqlite3* openKeyed(const QString& path, const QByteArray& key);
    void checkIsRoster() const;
    struct SchemaFound {
        RosterSchema::Version version;
        // Defined by the program's statements, word for word.
        bool ownStatements;
    };
    // Throws unless the file holds the program's tables and indexes, with their columns and
    // keys, of this version or an earlier one.
    SchemaFound checkSchema() const;
    void redefineAsTheProgramsOwn(RosterSchema::Version version) const;
    void checkHoldsOneYear() const;

    // Destroyed last: the working file goes once the engine has let go of it.
    std::unique_ptr<WorkFile> workFile_;
    std::unique_ptr<QFile> file_;
    sqlite3* db_;
    QString path_;
};

// A new, empty roster database in a fresh working file, its sector and rules taken from the
// settings.
// Null when no working file could be made or the engine failed; nothing is left behind then.
std::unique_ptr<RosterDatabase> CreateRosterDatabase();

// The same, then filled by the given writes; null, with no working file left behind, when
// the database could not be made or the writes failed.
std::unique_ptr<RosterDatabase>
CreateRosterDatabase(const std::function<void(const RosterDatabase&)>& fill);
