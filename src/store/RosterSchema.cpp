#include "store/RosterSchema.h"

#include <iterator>

namespace RosterSchema {

namespace {

// A date is ISO text YYYY-MM-DD naming a real day: date() gives it back unchanged.
constexpr char CreateGarde[] = R"(CREATE TABLE [Garde] (
        [Jour] TEXT NOT NULL CHECK (date([Jour], '+0 days') IS [Jour]),
        [Médecin] TEXT DEFAULT '' CHECK (length([Médecin]) <= 50),
        [Type] INTEGER NOT NULL CHECK (typeof([Type]) = 'integer' AND [Type] BETWEEN 0 AND 255),
        [Indispo] INTEGER NOT NULL DEFAULT 0 CHECK ([Indispo] IN (0, 1)),
        CONSTRAINT [Jour] PRIMARY KEY ([Jour])))";

constexpr char CreatePartage[] = R"(CREATE TABLE [Partagé] (
        [Jour] TEXT NOT NULL CHECK (date([Jour], '+0 days') IS [Jour]),
        [Médecin] TEXT DEFAULT '' CHECK (length([Médecin]) <= 50),
        [HDébut] REAL NOT NULL,
        [HFin] REAL NOT NULL,
        CONSTRAINT [Jour] PRIMARY KEY ([Jour], [HDébut])))";

constexpr char CreateParticipants[] = R"(CREATE TABLE [Participants] (
        [Médecin] TEXT NOT NULL CHECK (length([Médecin]) BETWEEN 1 AND 50),
        [Semaine] INTEGER NOT NULL DEFAULT 0 CHECK ([Semaine] IN (0, 1)),
        [WE] INTEGER NOT NULL DEFAULT 0 CHECK ([WE] IN (0, 1)),
        [Etat-Civil] TEXT DEFAULT '' CHECK (length([Etat-Civil]) <= 50),
        [Identification] TEXT DEFAULT '' CHECK (length([Identification]) <= 25),
        [Adresse] TEXT DEFAULT '' CHECK (length([Adresse]) <= 50),
        [CP] TEXT DEFAULT '' CHECK (length([CP]) <= 7),
        [Ville] TEXT DEFAULT '' CHECK (length([Ville]) <= 25)))";

constexpr char CreateDoctorIndex[] = R"(CREATE INDEX [Médecin] ON [Participants] ([Médecin]))";

// The database properties VersionID and Secteur.
constexpr char CreateProperties[] = R"(CREATE TABLE [Propriétés] (
        [Nom] TEXT NOT NULL PRIMARY KEY,
        [Valeur] TEXT NOT NULL))";

// Each participant's periods away, first and last days included; one participant's periods
// never overlap, so none starts on the same day as another of his.
constexpr char CreateAbsences[] = R"(CREATE TABLE [Absences] (
        [Médecin] TEXT NOT NULL CHECK (length([Médecin]) BETWEEN 1 AND 50),
        [Début] TEXT NOT NULL CHECK (date([Début], '+0 days') IS [Début]),
        [Fin] TEXT NOT NULL CHECK (date([Fin], '+0 days') IS [Fin] AND [Fin] >= [Début]),
        [Motif] TEXT NOT NULL DEFAULT '' CHECK (length([Motif]) <= 50),
        CONSTRAINT [Absence] PRIMARY KEY ([Médecin], [Début])))";

} // namespace

const char* const CreateStatements[] = {
    CreateGarde,       CreatePartage,    CreateParticipants,
    CreateDoctorIndex, CreateProperties, CreateAbsences,
};
const int CreateStatementCount = static_cast<int>(std::size(CreateStatements));
const int EarlierStatementCount = 5;

const char* const SelectObjects =
    R"(SELECT type, name, tbl_name, rootpage > 0, sql FROM sqlite_master)";

const char* const DescribeTables[] = {
    R"(PRAGMA table_info([Garde]))",        R"(PRAGMA table_info([Partagé]))",
    R"(PRAGMA table_info([Participants]))", R"(PRAGMA table_info([Propriétés]))",
    R"(PRAGMA table_info([Absences]))",
};
const int DescribeTableCount = static_cast<int>(std::size(DescribeTables));

// The index on Participants goes first: its name is taken again at once.
const char* const RedefineStatements[] = {
    R"(DROP INDEX [Médecin])",
    R"(ALTER TABLE [Garde] RENAME TO [Garde lue])",
    R"(ALTER TABLE [Partagé] RENAME TO [Partagé lu])",
    R"(ALTER TABLE [Participants] RENAME TO [Participants lus])",
    R"(ALTER TABLE [Propriétés] RENAME TO [Propriétés lues])",
    CreateGarde,
    CreatePartage,
    CreateParticipants,
    CreateDoctorIndex,
    CreateProperties,
    R"(INSERT INTO [Garde] SELECT * FROM [Garde lue])",
    R"(INSERT INTO [Partagé] SELECT * FROM [Partagé lu])",
    // The participants keep their row ids: the program lists them in that order.
    R"(INSERT INTO [Participants] (rowid, [Médecin], [Semaine], [WE], [Etat-Civil],
            [Identification], [Adresse], [CP], [Ville])
        SELECT rowid, * FROM [Participants lus])",
    R"(INSERT INTO [Propriétés] SELECT * FROM [Propriétés lues])",
    R"(DROP TABLE [Garde lue])",
    R"(DROP TABLE [Partagé lu])",
    R"(DROP TABLE [Participants lus])",
    R"(DROP TABLE [Propriétés lues])",
};
const int RedefineStatementCount = static_cast<int>(std::size(RedefineStatements));

const char* const RedefineAbsencesStatements[] = {
    R"(ALTER TABLE [Absences] RENAME TO [Absences lues])",
    CreateAbsences,
    R"(INSERT INTO [Absences] SELECT * FROM [Absences lues])",
    R"(DROP TABLE [Absences lues])",
};
const int RedefineAbsencesStatementCount = static_cast<int>(std::size(RedefineAbsencesStatements));

const char* const ContentChecks[] = {
    R"(SELECT 1 FROM [Garde] WHERE typeof([Jour]) != 'text' OR date([Jour], '+0 days') IS NOT [Jour]
        OR ([Médecin] IS NOT NULL AND (typeof([Médecin]) != 'text' OR length([Médecin]) > 50))
        OR typeof([Type]) != 'integer' OR [Type] NOT BETWEEN 0 AND 255
        OR typeof([Indispo]) != 'integer' OR [Indispo] NOT IN (0, 1)
        LIMIT 1)",

    R"(SELECT 1 FROM [Partagé] WHERE typeof([Jour]) != 'text'
        OR date([Jour], '+0 days') IS NOT [Jour]
        OR ([Médecin] IS NOT NULL AND (typeof([Médecin]) != 'text' OR length([Médecin]) > 50))
        OR typeof([HDébut]) NOT IN ('integer', 'real') OR typeof([HFin]) NOT IN ('integer', 'real')
        OR NOT (0 <= [HDébut] AND [HDébut] < [HFin] AND [HFin] <= 24)
        OR [HDébut] * 2 != CAST([HDébut] * 2 AS INTEGER) OR [HFin] * 2 != CAST([HFin] * 2 AS INTEGER)
        LIMIT 1)",

    R"(SELECT 1 FROM [Participants] WHERE typeof([Médecin]) != 'text'
        OR length([Médecin]) NOT BETWEEN 1 AND 50
        OR typeof([Semaine]) != 'integer' OR [Semaine] NOT IN (0, 1)
        OR typeof([WE]) != 'integer' OR [WE] NOT IN (0, 1)
        OR ([Etat-Civil] IS NOT NULL AND (typeof([Etat-Civil]) != 'text' OR length([Etat-Civil]) > 50))
        OR ([Identification] IS NOT NULL
            AND (typeof([Identification]) != 'text' OR length([Identification]) > 25))
        OR ([Adresse] IS NOT NULL AND (typeof([Adresse]) != 'text' OR length([Adresse]) > 50))
        OR ([CP] IS NOT NULL AND (typeof([CP]) != 'text' OR length([CP]) > 7))
        OR ([Ville] IS NOT NULL AND (typeof([Ville]) != 'text' OR length([Ville]) > 25))
        LIMIT 1)",

    R"(SELECT 1 FROM [Propriétés] WHERE typeof([Nom]) != 'text' OR typeof([Valeur]) != 'text'
        LIMIT 1)",

    R"(SELECT 1 FROM [Absences] WHERE typeof([Médecin]) != 'text'
        OR length([Médecin]) NOT BETWEEN 1 AND 50
        OR typeof([Début]) != 'text' OR date([Début], '+0 days') IS NOT [Début]
        OR typeof([Fin]) != 'text' OR date([Fin], '+0 days') IS NOT [Fin] OR [Fin] < [Début]
        OR typeof([Motif]) != 'text' OR length([Motif]) > 50
        LIMIT 1)",
};
const int ContentCheckCount = static_cast<int>(std::size(ContentChecks));

const char* const SelectPropertiesTable = R"(SELECT 1 FROM sqlite_master
    WHERE type = 'table' AND name = 'Propriétés' AND rootpage > 0)";
const char* const SelectProperty = R"(SELECT [Valeur] FROM [Propriétés] WHERE [Nom] = ?1)";
const char* const InsertOrReplaceProperty =
    R"(INSERT OR REPLACE INTO [Propriétés] ([Nom], [Valeur]) VALUES (?1, ?2))";
const char* const DeleteProperty = R"(DELETE FROM [Propriétés] WHERE [Nom] = ?1)";

} // namespace RosterSchema
