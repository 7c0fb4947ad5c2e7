#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QSettings;

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
PrintColours ReadPrintColours(QSettings& settings);
void WritePrintColours(QSettings& settings, const PrintColours& colours);

// A colour as the settings hold it: a number with red in the low byte and blue in the high byte,
// as decimal text, or hexadecimal after "&H". Empty when the text is neither.
std::optional<QColor> ColourFromSetting(const QString& text);
QString ColourToSetting(QColor colour);
