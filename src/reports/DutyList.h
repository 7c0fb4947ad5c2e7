#pragma once

#include "document/ReportViews.h"

#include <QList>
#include <QString>

class Roster;

// A participant's duty days in date order: a day he holds outright once, without hours; a
// shared day once for each of his intervals, by starting hour. Throws DatabaseError.
QList<DutyRow> PersonalDuties(const Roster& roster, const QString& doctor);

// "Garde " + the year shown by the roster window + " - " + the participant.
QString DutyListTitle(const QString& yearText, const QString& doctor);

// "dimanche 29 septembre".
QString DutyDateText(const DutyRow& row);
// "de 20:00 à 08:00" for an interval; empty for a day held outright.
QString DutyHoursText(const DutyRow& row);
// The row on paper: the date, then " de 20:00 à 08:00" for an interval.
QString DutyPaperText(const DutyRow& row);
