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

// Up to version 4.3.0: a participant was in the group the whole year.
constexpr char CreateParticipantsBefore440[] = R"(CREATE TABLE [Participants] (
        [Médecin] TEXT NOT NULL CHECK (length([Médecin]) BETWEEN 1 AND 50),
        [Semaine] INTEGER NOT NULL DEFAULT 0 CHECK ([Semaine] IN (0, 1)),
        [WE] INTEGER NOT NULL DEFAULT 0 CHECK ([WE] IN (0, 1)),
        [Etat-Civil] TEXT DEFAULT '' CHECK (length([Etat-Civil]) <= 50),
        [Identification] TEXT DEFAULT '' CHECK (length([Identification]) <= 25),
        [Adresse] TEXT DEFAULT '' CHECK (length([Adresse]) <= 50),
        [CP] TEXT DEFAULT '' CHECK (length([CP]) <= 7),
        [Ville] TEXT DEFAULT '' CHECK (length([Ville]) <= 25)))";

// The day a participant arrives in the group and the first day he is no longer in it, each
// NULL when he is there from the start of the year or until its end.
constexpr char CreateParticipants[] = R"(CREATE TABLE [Participants] (
        [Médecin] TEXT NOT NULL CHECK (length([Médecin]) BETWEEN 1 AND 50),
        [Semaine] INTEGER NOT NULL DEFAULT 0 CHECK ([Semaine] IN (0, 1)),
        [WE] INTEGER NOT NULL DEFAULT 0 CHECK ([WE] IN (0, 1)),
        [Etat-Civil] TEXT DEFAULT '' CHECK (length([Etat-Civil]) <= 50),
        [Identification] TEXT DEFAULT '' CHECK (length([Identification]) <= 25),
        [Adresse] TEXT DEFAULT '' CHECK (length([Adresse]) <= 50),
        [CP] TEXT DEFAULT '' CHECK (length([CP]) <= 7),
        [Ville] TEXT DEFAULT '' CHECK (length([Ville]) <= 25),
        [Arrivée] TEXT CHECK ([Arrivée] IS NULL OR date([Arrivée], '+0 days') IS [Arrivée]),
        [Départ] TEXT CHECK ([Départ] IS NULL OR date([Départ], '+0 days') IS [Départ]),
        CHECK ([Arrivée] IS NULL OR [Départ] IS NULL OR [Départ] > [Arrivée])))";

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

// The tables set aside and made anew, Garde and Partagé refilled. The index on Participants
// goes first: its name is taken again at once.
const char* const SetAside[] = {
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
};

// The participants keep their row ids: the program lists them in that order.
constexpr char CopyParticipantsBefore440[] =
    R"(INSERT INTO [Participants] (rowid, [Médecin], [Semaine], [WE], [Etat-Civil],
            [Identification], [Adresse], [CP], [Ville])
        SELECT rowid, [Médecin], [Semaine], [WE], [Etat-Civil], [Identification], [Adresse],
            [CP], [Ville] FROM [Participants lus])";
constexpr char CopyParticipants[] =
    R"(INSERT INTO [Participants] (rowid, [Médecin], [Semaine], [WE], [Etat-Civil],
            [Identification], [Adresse], [CP], [Ville], [Arrivée], [Départ])
        SELECT rowid, [Médecin], [Semaine], [WE], [Etat-Civil], [Identification], [Adresse],
            [CP], [Ville], [Arrivée], [Départ] FROM [Participants lus])";

const char* const PutBack[] = {
    R"(INSERT INTO [Propriétés] SELECT * FROM [Propriétés lues])",
    R"(DROP TABLE [Garde lue])",
    R"(DROP TABLE [Partagé lu])",
    R"(DROP TABLE [Participants lus])",
    R"(DROP TABLE [Propriétés lues])",
};

const char* const RedefineAbsences[] = {
    R"(ALTER TABLE [Absences] RENAME TO [Absences lues])",
    CreateAbsences,
    R"(INSERT INTO [Absences] SELECT * FROM [Absences lues])",
    R"(DROP TABLE [Absences lues])",
};

} // namespace

std::vector<const char*> StatementsOf(Version version)
{
    const bool current = version == Version::Current;
    std::vector<const char*> statements = {
        CreateGarde, CreatePartage, current ? CreateParticipants : CreateParticipantsBefore440,
        CreateDoctorIndex, CreateProperties};
    if (version != Version::Before430)
        statements.push_back(CreateAbsences);
    return statements;
}

std::vector<const char*> RedefineStatements(Version version)
{
    std::vector<const char*> statements(std::begin(SetAside), std::end(SetAside));
    statements.push_back(version == Version::Current ? CopyParticipants
                                                     : CopyParticipantsBefore440);
    statements.insert(statements.end(), std::begin(PutBack), std::end(PutBack));
    if (version == Version::Before430)
        statements.push_back(CreateAbsences);
    else
        statements.insert(statements.end(), std::begin(RedefineAbsences),
                          std::end(RedefineAbsences));
    return statements;
}

const char* const CreateJournal = R"(CREATE TABLE [Journal] (
        [Quand] TEXT NOT NULL,
        [Utilisateur] TEXT NOT NULL,
        [Modification] TEXT NOT NULL))";

const char* const SelectObjects =
    R"(SELECT type, name, tbl_name, rootpage > 0, sql FROM sqlite_master)";

const char* const DescribeTables[] = {
    R"(PRAGMA table_info([Garde]))",        R"(PRAGMA table_info([Partagé]))",
    R"(PRAGMA table_info([Participants]))", R"(PRAGMA table_info([Propriétés]))",
    R"(PRAGMA table_info([Absences]))",
};
const int DescribeTableCount = static_cast<int>(std::size(DescribeTables));

// A text is checked whole: the engine's length() stops at a NUL character, its bytes do not.
// A day must name a year the calendar has (no year 0).
const char* const ContentChecks[] = {
    R"(SELECT 1 FROM [Garde] WHERE typeof([Jour]) != 'text' OR date([Jour], '+0 days') IS NOT [Jour]
        OR ([Médecin] IS NOT NULL AND (typeof([Médecin]) != 'text' OR length([Médecin]) > 50
            OR instr(CAST([Médecin] AS BLOB), x'00') > 0))
        OR typeof([Type]) != 'integer' OR [Type] NOT BETWEEN 0 AND 255
        OR typeof([Indispo]) != 'integer' OR [Indispo] NOT IN (0, 1)
        LIMIT 1)",

    R"(SELECT 1 FROM [Partagé] WHERE typeof([Jour]) != 'text'
        OR date([Jour], '+0 days') IS NOT [Jour] OR [Jour] < '0001-01-01'
        OR ([Médecin] IS NOT NULL AND (typeof([Médecin]) != 'text' OR length([Médecin]) > 50
            OR instr(CAST([Médecin] AS BLOB), x'00') > 0))
        OR typeof([HDébut]) NOT IN ('integer', 'real') OR typeof([HFin]) NOT IN ('integer', 'real')
        OR NOT (0 <= [HDébut] AND [HDébut] < [HFin] AND [HFin] <= 24)
        OR [HDébut] * 2 != CAST([HDébut] * 2 AS INTEGER) OR [HFin] * 2 != CAST([HFin] * 2 AS INTEGER)
        LIMIT 1)",

    R"(SELECT 1 FROM [Participants] WHERE typeof([Médecin]) != 'text'
        OR length([Médecin]) NOT BETWEEN 1 AND 50 OR instr(CAST([Médecin] AS BLOB), x'00') > 0
        OR typeof([Semaine]) != 'integer' OR [Semaine] NOT IN (0, 1)
        OR typeof([WE]) != 'integer' OR [WE] NOT IN (0, 1)
        OR ([Etat-Civil] IS NOT NULL AND (typeof([Etat-Civil]) != 'text' OR length([Etat-Civil]) > 50
            OR instr(CAST([Etat-Civil] AS BLOB), x'00') > 0))
        OR ([Identification] IS NOT NULL AND (typeof([Identification]) != 'text'
            OR length([Identification]) > 25 OR instr(CAST([Identification] AS BLOB), x'00') > 0))
        OR ([Adresse] IS NOT NULL AND (typeof([Adresse]) != 'text' OR length([Adresse]) > 50
            OR instr(CAST([Adresse] AS BLOB), x'00') > 0))
        OR ([CP] IS NOT NULL AND (typeof([CP]) != 'text' OR length([CP]) > 7
            OR instr(CAST([CP] AS BLOB), x'00') > 0))
        OR ([Ville] IS NOT NULL AND (typeof([Ville]) != 'text' OR length([Ville]) > 25
            OR instr(CAST([Ville] AS BLOB), x'00') > 0))
        OR ([Arrivée] IS NOT NULL AND (typeof([Arrivée]) != 'text'
            OR date([Arrivée], '+0 days') IS NOT [Arrivée] OR [Arrivée] < '0001-01-01'))
        OR ([Départ] IS NOT NULL AND (typeof([Départ]) != 'text'
            OR date([Départ], '+0 days') IS NOT [Départ] OR [Départ] < '0001-01-01'))
        OR [Départ] <= [Arrivée]
        LIMIT 1)",

    R"(SELECT 1 FROM [Propriétés] WHERE typeof([Nom]) != 'text' OR typeof([Valeur]) != 'text'
        OR instr(CAST([Valeur] AS BLOB), x'00') > 0
        LIMIT 1)",

    R"(SELECT 1 FROM [Absences] WHERE typeof([Médecin]) != 'text'
        OR length([Médecin]) NOT BETWEEN 1 AND 50 OR instr(CAST([Médecin] AS BLOB), x'00') > 0
        OR typeof([Début]) != 'text' OR date([Début], '+0 days') IS NOT [Début]
        OR [Début] < '0001-01-01'
        OR typeof([Fin]) != 'text' OR date([Fin], '+0 days') IS NOT [Fin] OR [Fin] < [Début]
        OR typeof([Motif]) != 'text' OR length([Motif]) > 50
        OR instr(CAST([Motif] AS BLOB), x'00') > 0
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
