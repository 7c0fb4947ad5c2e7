#pragma once

// The roster file's tables. Text sizes, required fields, zero-length rules, defaults and keys
// are enforced by the database itself. The accented names are UTF-8 in composed form (NFC).
namespace RosterSchema {

// Statements that build an empty roster, in order.
extern const char* const CreateStatements[];
extern const int CreateStatementCount;

// Reads every column of every roster table; fails to prepare unless the schema is complete.
extern const char* const SchemaProbes[];
extern const int SchemaProbeCount;

// A row when the file holds a schema object the program does not make (a view, a trigger, a
// virtual table, another table or index), or lacks one of its indexes.
extern const char* const UnexpectedSchema;

// Each gives a row when a table holds a value the program cannot hold: a day that is not an
// ISO date, a type or a flag out of range, a text that is not text or too long, an interval
// outside the duty day.
extern const char* const ContentChecks[];
extern const int ContentCheckCount;

extern const char* const SelectProperty;
extern const char* const InsertOrReplaceProperty;

inline constexpr char VersionProperty[] = "VersionID";
inline constexpr char SectorProperty[] = "Secteur";

} // namespace RosterSchema
