#pragma once

// The roster file's tables. Text sizes, required fields, zero-length rules, defaults and keys
// are enforced by the database itself. The accented names are UTF-8 in composed form (NFC).
namespace RosterSchema {

// Statements that build an empty roster, in order.
extern const char* const CreateStatements[];
extern const int CreateStatementCount;

// The schema objects a roster holds, every one of them, as the statements above make them.
struct SchemaObject {
    const char* type;
    const char* name;
    // Null for the index the engine makes for a key.
    const char* sql;
};
extern const SchemaObject Objects[];
extern const int ObjectCount;

// Every schema object of a file: its type, name and statement.
extern const char* const SelectObjects;

// Each gives a row when a table holds a value the program cannot hold (a file's own checks
// can be switched off by whoever writes it): a day that is not an
// ISO date, a type or a flag out of range, a text that is not text or too long, an interval
// outside the duty day.
extern const char* const ContentChecks[];
extern const int ContentCheckCount;

extern const char* const SelectProperty;
extern const char* const InsertOrReplaceProperty;

inline constexpr char VersionProperty[] = "VersionID";
inline constexpr char SectorProperty[] = "Secteur";

} // namespace RosterSchema
