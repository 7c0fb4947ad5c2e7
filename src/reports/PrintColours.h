#pragma once

#include <QColor>

class Settings;

// The colours of the year table's rows, kept in the settings section "Printing": for weekdays,
// and for Saturdays, Sundays and holidays, whether the row is left unfilled, its background and
// its text.
struct PrintColours {
    bool transparentWeek = true;
    bool transparentWeekend = false;
    QColor weekendBackground = QColor(0xC0, 0xC0, 0xC0);
    QColor weekendText = Qt::black;
    QColor weekBackground = Qt::white;
    QColor weekText = Qt::black;

    bool operator==(const PrintColours&) const = default;
};

// The settings, or their defaults where one is missing or cannot be read.
PrintColours ReadPrintColours(const Settings& settings);
void WritePrintColours(Settings& settings, const PrintColours& colours);
