#pragma once

#include <QString>

struct ChangesNotice;
class Interaction;
class Roster;

// The commands of "&Exporter". Each asks for its file, under the proposed name, shows the
// please-wait window while it writes, and tells the user how it ended; a cancelled dialog does
// nothing. The roster file itself is never touched.

// "Exporter au format &texte": the semicolon-separated file.
void ExportCsv(Interaction& ui, const Roster& roster, const QString& proposedPath);
// The notice of the changes as a semicolon-separated file.
void ExportChangesNotice(Interaction& ui, const ChangesNotice& notice, const QString& proposedPath);
// "Exporter au format &Excel": the workbook.
void ExportWorkbook(Interaction& ui, const Roster& roster, const QString& yearText,
                    const QString& proposedPath);
// "Exporter l'&agenda d'un médecin...": the calendar of one participant, or of every one into
// a folder.
void ExportCalendars(Interaction& ui, const Roster& roster, const QString& yearText);
// "Exporter l'agenda de t&ous les médecins...": every participant's duties in one calendar, for
// the whole group.
void ExportGroupCalendar(Interaction& ui, const Roster& roster, const QString& yearText);
