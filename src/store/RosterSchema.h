#pragma once

#include <vector>

// The roster file's tables. Text sizes, required fields, zero-length rules, defaults and keys
// are enforced by the database itself. The accented names are UTF-8 in composed form (NFC).
namespace RosterSchema {

// The versions of the tables a roster file may hold: those of 4.2.0, without Absences; those
// of 4.3.0, whose participants have no arrival or departure; this version's.
enum class Version { Before430, Before440, Current };

// The statements that build the tables of a version, in order.
std::vector<const char*> StatementsOf(Version version);

// Every schema object of a file: its type, name and table, whether the engine stores it as
// rows (a virtual table or a view is not), and its statement.
extern const char* const SelectObjects;

// What the engine reads of each table's definition, whatever its text: the columns in order,
// with their names, declared types, NOT NULL and places in the primary key.
extern const char* const DescribeTables[];
extern const int DescribeTableCount;

// Brings the rows of a file of any version, or of other definitions of the same tables, under
// this version's own statements: each table is set aside, made anew, refilled from the one set
// aside, which then goes, its indexes with it. A version without Absences gains the table.
std::vector<const char*> RedefineStatements(Version version);

// Each gives a row when a table holds a value the program cannot hold (a file's own checks
// can be switched off by whoever writes it): a day that is not an ISO date of a year the
// calendar has, a type or a flag out of range, a text that is not text, too long or holding a
// NUL character, an interval outside the duty day, a departure not after the arrival.
extern const char* const ContentChecks[];
extern const int ContentCheckCount;

// The journal of changes, apart from the tables a roster needs: a file whose journal another
// program made the program cannot read still opens.
extern const char* const CreateJournal;
inline constexpr char JournalTable[] = "Journal";

// Gives a row when the properties are a table the engine stores as rows.
extern const char* const SelectPropertiesTable;
extern const char* const SelectProperty;
extern const char* const InsertOrReplaceProperty;
extern const char* const DeleteProperty;

inline constexpr char VersionProperty[] = "VersionID";
inline constexpr char SectorProperty[] = "Secteur";
// The days the organiser keeps as they are, ISO dates separated by spaces; none without it.
inline constexpr char KeptDaysProperty[] = "JoursGardés";

} // namespace RosterSchema
