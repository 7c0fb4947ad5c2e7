#pragma once

#include "store/Roster.h"

#include <QList>
#include <QPair>
#include <QString>

// What the year table prints: the year and the sector of its title, every day in date order,
// and every shared interval in date then start order.
struct RosterTable {
    QString yearText;
    QString sector;
    QList<RosterDay> days;
    QList<QPair<QDate, SharedInterval>> intervals;
};

// The year table of the open roster. Throws DatabaseError.
RosterTable ReadRosterTable(const Roster& roster, const QString& yearText, const QString& sector);
