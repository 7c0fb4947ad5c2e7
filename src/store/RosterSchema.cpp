#include "RosterSchema.h"

#include <iterator>

namespace RosterSchema {

// A date is ISO text YYYY-MM-DD naming a real day: date() gives it back unchanged.
const char* const CreateStatements[] = {
    R"(CREATE TABLE [Garde] (
        [Jour] TEXT NOT NULL CHECK (date([Jour], '+0 days') IS [Jour]),
        [Médecin] TEXT DEFAULT '' CHECK (length([Médecin]) <= 50),
        [Type] INTEGER NOT NULL CHECK (typeof([Type]) = 'integer' AND [Type] BETWEEN 0 AND 255),
        [Indispo] INTEGER NOT NULL DEFAULT 0 CHECK ([Indispo] IN (0, 1)),
        CONSTRAINT [Jour] PRIMARY KEY ([Jour])))",

    R"(CREATE TABLE [Partagé] (
        [Jour] TEXT NOT NULL CHECK (date([Jour], '+0 days') IS [Jour]),
        [Médecin] TEXT DEFAULT '' CHECK (length([Médecin]) <= 50),
        [HDébut] REAL NOT NULL,
        [HFin] REAL NOT NULL,
        CONSTRAINT [Jour] PRIMARY KEY ([Jour], [HDébut])))",

    R"(CREATE TABLE [Participants] (
        [Médecin] TEXT NOT NULL CHECK (length([Médecin]) BETWEEN 1 AND 50),
        [Semaine] INTEGER NOT NULL DEFAULT 0 CHECK ([Semaine] IN (0, 1)),
        [WE] INTEGER NOT NULL DEFAULT 0 CHECK ([WE] IN (0, 1)),
        [Etat-Civil] TEXT DEFAULT '' CHECK (length([Etat-Civil]) <= 50),
        [Identification] TEXT DEFAULT '' CHECK (length([Identification]) <= 25),
        [Adresse] TEXT DEFAULT '' CHECK (length([Adresse]) <= 50),
        [CP] TEXT DEFAULT '' CHECK (length([CP]) <= 7),
        [Ville] TEXT DEFAULT '' CHECK (length([Ville]) <= 25)))",

    R"(CREATE INDEX [Médecin] ON [Participants] ([Médecin]))",

    // The database properties VersionID and Secteur.
    R"(CREATE TABLE [Propriétés] (
        [Nom] TEXT NOT NULL PRIMARY KEY,
        [Valeur] TEXT NOT NULL))",
};
const int CreateStatementCount = static_cast<int>(std::size(CreateStatements));

const char* const SchemaProbes[] = {
    R"(SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] LIMIT 0)",
    R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] LIMIT 0)",
    R"(SELECT [Médecin], [Semaine], [WE], [Etat-Civil], [Identification], [Adresse], [CP], [Ville]
       FROM [Participants] LIMIT 0)",
};
const int SchemaProbeCount = static_cast<int>(std::size(SchemaProbes));

const char* const SelectProperty = R"(SELECT [Valeur] FROM [Propriétés] WHERE [Nom] = ?1)";
const char* const InsertOrReplaceProperty =
    R"(INSERT OR REPLACE INTO [Propriétés] ([Nom], [Valeur]) VALUES (?1, ?2))";

} // namespace RosterSchema
