#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Roster;

// One participant's duties as an iCalendar file (RFC 5545), in the Europe/Paris time zone with
// its definition included: an event from 08:00 to 08:00 the next morning for each day he holds,
// and one for each of his intervals on a shared day, at its hours. The summary is "Garde ", the
// participant and the sector, the description the day's type; the calendar is named "Garde ",
// the year and the participant. Each event's UID depends only on the roster's
// year, the day, the start and the participant, so a corrected roster imported again updates
// its events. stamp is the time of the export. Empty when the system has no definition of the
// time zone. Throws DatabaseError.
QByteArray DoctorCalendar(const Roster& roster, const QString& doctor, const QDateTime& stamp);

// Every participant's duties in one calendar, named "Garde ", the year and the sector. Each
// event's UID depends only on the year, the day and the start: imported again after a duty
// moved from one doctor to another, the calendar replaces the event. Throws DatabaseError.
QByteArray GroupCalendar(const Roster& roster, const QDateTime& stamp);
