#pragma once

#include "reports/RosterDifferences.h"

#include <QDate>
#include <QList>
#include <QString>

// One changed day as the notice gives it.
struct NoticeRow {
    QDate day;
    QString weekday; // "vendredi"
    QString before;
    QString after;

    bool operator==(const NoticeRow&) const = default;
};

// "Modifications du tableau de garde": the notice of the changes made to a duty table already
// sent to the council, from the table sent to this roster.
struct ChangesNotice {
    QString title;  // "Modifications du tableau de garde 2027"
    QString sector; // "Secteur : Ubaye"
    QString madeOn; // "Établi le 8 décembre 2026"
    QList<NoticeRow> rows;
};

ChangesNotice MakeChangesNotice(int year, const QString& sector, QDate madeOn,
                                const QList<DayDifference>& days);

// The notice as semicolon-separated text, as the roster's own export writes it: the header
// "Date;Jour;Avant;Après", then a line per day (dates dd/MM/yyyy), ended by CR LF.
QString ChangesNoticeCsv(const ChangesNotice& notice);
