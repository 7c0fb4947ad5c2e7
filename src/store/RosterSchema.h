#pragma once

// The roster file's tables. Text sizes, required fields, zero-length rules, defaults and keys
// are enforced by the database itself. The accented names are UTF-8 in composed form (NFC).
namespace RosterSchema {

// Statements that build an empty roster, in order.
extern const char* const CreateStatements[];
extern const int CreateStatementCount;
// The first of them make the tables of a roster written by version 4.2.0, which had no
// Absences; the others bring such a roster to this version's tables.
extern const int EarlierStatementCount;

// Every schema object of a file: its type, name and table, whether the engine stores it as
// rows (a virtual table or a view is not), and its statement.
extern const char* const SelectObjects;

// What the engine reads of each table's definition, whatever its text: the columns in order,
// with their names, declared types, NOT NULL and places in the primary key.
extern const char* const DescribeTables[];
extern const int DescribeTableCount;

// Brings rows that other definitions of the same tables hold under the program's own
// statements: each table is set aside, made anew, refilled from the one set aside, which then
// goes, its indexes with it.
extern const char* const RedefineStatements[];
extern const int RedefineStatementCount;
// The same for Absences, in a file that has it.
extern const char* const RedefineAbsencesStatements[];
extern const int RedefineAbsencesStatementCount;

// Each gives a row when a table holds a value the program cannot hold (a file's own checks
// can be switched off by whoever writes it): a day that is not an
// ISO date, a type or a flag out of range, a text that is not text or too long, an interval
// outside the duty day.
extern const char* const ContentChecks[];
extern const int ContentCheckCount;

// Gives a row when the properties are a table the engine stores as rows.
extern const char* const SelectPropertiesTable;
extern const char* const SelectProperty;
extern const char* const InsertOrReplaceProperty;
extern const char* const DeleteProperty;

inline constexpr char VersionProperty[] = "VersionID";
inline constexpr char SectorProperty[] = "Secteur";

} // namespace RosterSchema
