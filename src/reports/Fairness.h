#pragma once

#include "document/ReportViews.h"

#include <QList>
#include <QString>
#include <array>

class Roster;
struct Participant;

// The roster's duty days by name and kind, those each participant could hold, and its
// rotations. A shared day counts once, as a whole day, for each name that holds any interval of
// it, as the statistics count it: the view compares how often each one is called in, not the
// hours. Days of unknown type are counted nowhere. Throws DatabaseError.
FairnessYear CountFairness(const Roster& roster);

// The weekday rotation ("Gardes de semaine") and the weekend and holiday rotation ("Gardes de
// week-ends et jours fériés") of the participants' Semaine and WE flags, each compared on the
// days it shares out, the year-end days in both; one in both rotations is in both.
QList<RotationMembers> Rotations(const QList<Participant>& participants);

// Each rotation's participants with their days and points summed over the years they were in
// it, against what the rotation gave its members each year in proportion to the days they could
// hold; then the names outside the group holding days it shares out. A rotation without
// participant is left out.
QList<FairnessRotation> ComputeFairness(const QList<FairnessYear>& ledger,
                                        const QList<RotationMembers>& rotations,
                                        const FairnessWeights& weights);

// The view's columns: one per kind of day, then the points.
inline constexpr int FairnessColumnCount = FairnessKindCount + 1;

// "Jours de semaine", "Samedis", "Dimanches", "Fériés", "Fin d'année", "Points".
const std::array<QString, FairnessColumnCount>& FairnessHeadings();

// A participant's columns, each value the rotation compares with its difference from the mean:
// "12 (+1,5)", "9 (-2)", "10 (0)"; the others as counts alone.
std::array<QString, FairnessColumnCount> FairnessCells(const FairnessLine& line);
// The rotation's means, in the same columns: "11,5"; empty where it does not compare.
std::array<QString, FairnessColumnCount> MeanCells(const FairnessRotation& rotation);
// The participant's days of the column lie more than one duty from the mean: the view points
// them out. Points are not counted in duties.
bool IsBeyondOneDuty(const FairnessLine& line, int column);

// A number as the view shows it, one decimal at most: "11,5", "12".
QString FairnessNumber(double value);

// "2011", "2010 et 2011", "2009, 2010 et 2011".
QString YearsText(const QList<int>& years);
// "Équité du tour de garde 2011", "Équité des tours de garde 2010 et 2011".
QString FairnessTitle(const QList<int>& years);
