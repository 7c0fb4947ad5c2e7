#pragma once

#include "rules/RuleCheck.h"
#include "rules/SwapProposals.h"

#include <QObject>

class RosterDocument;

// The alerts of an open roster's year, kept up to date while it is edited: an edit of a day
// rechecks only the weeks the rules can reach from it; changes of many days, of absences,
// participants or rules recheck the whole year.
class RosterAlerts : public QObject {
    Q_OBJECT

public:
    explicit RosterAlerts(const RosterDocument& document, QObject* parent = nullptr);

    // Every alert of the year, by day then rule.
    const QList<RuleAlert>& all() const { return alerts_; }
    // The alerts of one day, by rule.
    QList<RuleAlert> of(QDate day) const;
    // The days whose duty, exchanged with that of the alert's day, clears it, best first.
    QList<SwapProposal> proposeSwaps(const RuleAlert& alert) const;

signals:
    // The alerts of the days from first to last may have changed.
    void changed(QDate first, QDate last);

private:
    void recheckAll();
    // The weeks the rules reach around the days of one edit, told at once.
    void recheckAround(const QList<QDate>& days);
    void recheck(QDate first, QDate last);
    void recheckQuietly(QDate first, QDate last);

    const RosterDocument& document_;
    RosterFacts facts_;
    QList<RuleAlert> alerts_;
};
