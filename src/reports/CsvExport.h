#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class Roster;

// The roster as semicolon-separated text: the header "Date;Médecin;Début;Fin", then a line per
// day and one per interval of a shared day, in day then start-hour order, ended by CR LF. A
// field holding ";", a double quote or a line break is quoted. progress is told each line's day
// of the year. Throws DatabaseError.
QString CsvText(const Roster& roster, const std::function<void(int dayOfYear)>& progress);

// A name as a field: quoted only when it would break the line's columns, and kept from being
// taken for a formula.
QString CsvField(const QString& name);

// The text as the file holds it: Windows-1252, or UTF-8 after a byte-order mark when a character
// has no code in Windows-1252.
QByteArray EncodeCsv(const QString& text);
