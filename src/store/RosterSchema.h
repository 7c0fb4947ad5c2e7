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

extern const char* const SelectProperty;
extern const char* const InsertOrReplaceProperty;

inline constexpr char VersionProperty[] = "VersionID";
inline constexpr char SectorProperty[] = "Secteur";

} // namespace RosterSchema
