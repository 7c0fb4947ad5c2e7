#pragma once

#include <QString>
#include <functional>

class Roster;

enum class WorkbookWrite {
    Written,
    // Nothing could be written where the workbook goes (the folder cannot be written).
    CannotStart,
    Failed,
};

// The roster as a workbook laid out like the wall table: sheet "Gardes " + year, twelve month
// blocks of a row per day (weekends and holidays bold, underlined, on light grey), and the list
// of shared intervals from row 35. Written whole or not at all: a failure leaves an existing
// file whole. progress is told each day of the year.
WorkbookWrite WriteWorkbook(const Roster& roster, const QString& yearText, const QString& path,
                            const std::function<void(int dayOfYear)>& progress);
