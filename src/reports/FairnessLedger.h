#pragma once

#include "document/ReportViews.h"

#include <QList>
#include <QString>
#include <optional>

class Interaction;

// The year of another roster file, counted from a working copy so that the file itself is never
// touched; nothing when it is not a roster the program can open.
std::optional<FairnessYear> ReadFairnessYear(const QString& rosterPath);

// "Ajouter une autre année...": the year of a roster file the user chooses, first offered in
// the folder given. Nothing when he cancels; nothing either, the user told why, for a file that
// is not a roster or a year the ledger already holds.
std::optional<FairnessYear> ChooseFairnessYear(Interaction& ui, const QList<int>& yearsHeld,
                                               const QString& folder);
