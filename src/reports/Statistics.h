#pragma once

#include "document/ReportViews.h"

#include <QList>
#include <QString>
#include <array>

class Roster;

// Every participant's duty days by day type, in the roster's participant order, then those of
// the names outside the list that hold days. A shared day on which one holds any interval
// counts once, and once as shared. Names are compared exactly.
// Throws DatabaseError.
QList<StatisticsLine> ComputeStatistics(const Roster& roster);

// The headings of the day-type columns: "Jours de semaine", "Samedis", "Dimanches et fériés".
const std::array<QString, DayTypeCount>& DayTypeHeadings();

// A count as the statistics show it: empty for none, "12", or "12 dont 2 partagé(s)".
QString StatisticsCell(int days, int shared);

// The window's title: "Statistiques du tour de garde " and the year shown by the roster window.
QString StatisticsTitle(const QString& yearText);
