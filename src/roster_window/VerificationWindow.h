#pragma once

#include "rules/RuleCheck.h"

#include <QDate>
#include <QDialog>

class QLabel;
class QTreeWidget;
class RosterAlerts;

// "Vérification du tour de garde": every alert of the year, by date, kept up to date while the
// roster is edited. A double click on an alert goes to its day.
class VerificationWindow : public QDialog {
    Q_OBJECT

public:
    VerificationWindow(const RosterAlerts& alerts, QWidget* parent);

    QTreeWidget* list() const { return list_; }

signals:
    void dayChosen(QDate day);
    // "&Proposer des échanges" for the alert chosen in the list.
    void swapsAsked(const RuleAlert& alert);
    // "Corri&ger les alertes...".
    void repairAsked();

private:
    void reload();

    const RosterAlerts& alerts_;
    // The alerts the rows show.
    QList<RuleAlert> shown_;
    QLabel* count_;
    QTreeWidget* list_;
};
