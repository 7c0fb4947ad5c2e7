#pragma once

#include "document/ReportViews.h"
#include "planning/MipSolver.h"
#include "rules/RuleCheck.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

// What the correction of a year starts from: the roster as it stands, the group's rules, the
// days that may change and how fair the result must be.
struct RepairRequest {
    RosterFacts facts;
    // Their rotations (Semaine, WE); a rotation without anyone is open to every participant.
    QList<Participant> participants;
    RosterRules rules;
    // The days that may change: from first to last, but never a shared day nor one kept.
    QDate first;
    QDate last;
    QSet<QDate> kept;
    // How far each participant's points may lie from his share of his rotation's points.
    double tolerance = 2;
    FairnessWeights weights = DefaultWeights;
    // The points each participant is owed (more than 0) or owes from earlier years, in the
    // weekday rotation, then in the weekend one: his share this year makes up for them.
    std::array<QHash<QString, double>, 2> owed{};
    // The holder each day's change is counted from: the roster's own unless given here (the
    // year as the wizard generated it, to go back to it).
    QHash<QDate, QString> reference = {};
};

// A participant's points in one rotation, before and after the correction, and his share.
struct RepairPoints {
    QString doctor;
    bool weekends = false; // the weekend rotation, or the weekday one
    double before = 0;
    double after = 0;
    double share = 0;
    // What he was owed (more than 0) or owed from earlier years, in that share.
    double owed = 0;
};

// The correction found: the days it changes, the alerts before and after, the points, and
// what it could not clear and why.
struct RepairProposal {
    // Whether no correction leaves fewer days empty, fewer points beyond the tolerance and
    // fewer days changed; and, among those, none brings the points nearer the shares.
    SolveResult::Status status = SolveResult::Status::NoAnswer;
    bool fairestProven = false;
    QList<DatedDuty> before;
    QList<DatedDuty> after;
    QList<RuleAlert> alertsBefore;
    QList<RuleAlert> alertsAfter;
    QList<RepairPoints> points;
    QStringList problems;
};

// The correction with, in this order, the fewest days left without anyone, every participant
// within the tolerance of his share where that can be, the fewest days changed, and the
// largest gap between a participant's points and his share as small as can be; every rule
// switched on holds, and absences and times out of the group are never broken.
RepairProposal ProposeRepair(const RepairRequest& request, MipSolver& solver,
                             const SolveControl& control);
