#pragma once

#include "reports/PrintColours.h"
#include "reports/RosterTable.h"

#include <QList>
#include <QString>

class PageCanvas;

// The pages chosen in the print dialog.
struct TablePages {
    bool firstHalf = false;  // January to June
    bool secondHalf = false; // July to December
    bool sharedList = false;
};

// The year table for the wall, in Arial 10 bold measures: a landscape page per half-year chosen,
// six month columns of a row per day (the weekday's initial, the day, who is on duty) centred on
// the page, rows filled and written in their day type's colours; then, when chosen, the list of
// the shared intervals on portrait pages.
void DrawRosterTable(PageCanvas& canvas, const RosterTable& table, const TablePages& pages,
                     const PrintColours& colours);

// The colour dialog's preview, drawn as the printed rows are: January and February, days 1 to
// 10, each held by "Dr Exemple".
void DrawColourSample(PageCanvas& canvas, const PrintColours& colours);
// The size the preview takes, in twips.
QSizeF ColourSampleSize(PageCanvas& canvas);
