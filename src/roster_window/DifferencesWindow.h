#pragma once

#include "document/ReportViews.h"
#include "reports/ChangesNotice.h"
#include "session/RosterSession.h"

#include <QDate>
#include <QDialog>

class QLabel;
class QListWidget;
class QTreeWidget;

// "Différences avec <file>": every day held differently in another roster file of the year and
// in this roster, in date order, then the participants, absences, sector and rules that differ,
// with their counts; kept up to date while the roster is edited. A double click or Entrée goes
// to the day; "&Reprendre ce jour" and "Reprendre tous les jours choisis" give this roster the
// other file's duties, which is never written. The changed days print, preview, go to PDF or
// to a text file as the notice "Modifications du tableau de garde".
class DifferencesWindow : public QDialog {
    Q_OBJECT

public:
    DifferencesWindow(RosterSession& session, OtherRoster other, QWidget* parent);

    QTreeWidget* days() const { return days_; }
    QListWidget* others() const { return others_; }
    QString countText() const;
    // "Modifications du tableau de garde": the changed days as they now differ, made today.
    ChangesNotice notice() const;

signals:
    void dayChosen(QDate day);

private:
    void reload();
    void take(const QList<QDate>& days);
    QList<QDate> chosenDays() const;
    PrintCommands noticeCommands() const;

    RosterSession& session_;
    const OtherRoster other_;
    QLabel* count_;
    QTreeWidget* days_;
    QListWidget* others_;
};
