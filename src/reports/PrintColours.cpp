#include "reports/PrintColours.h"

#include "store/Settings.h"

namespace {

// A colour as the settings number it: red in the low byte, blue in the high byte.
QColor ColourOf(std::optional<quint32> number, QColor fallback)
{
    if (!number)
        return fallback;
    return QColor(static_cast<int>(*number & 0xFF), static_cast<int>(*number >> 8 & 0xFF),
                  static_cast<int>(*number >> 16 & 0xFF));
}

quint32 NumberOf(QColor colour)
{
    return static_cast<quint32>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

} // namespace

PrintColours ReadPrintColours(const Settings& settings)
{
    const PrintColours defaults;
    return {settings.transparentWeek().value_or(defaults.transparentWeek),
            settings.transparentWeekend().value_or(defaults.transparentWeekend),
            ColourOf(settings.colour(0), defaults.weekendBackground),
            ColourOf(settings.colour(1), defaults.weekendText),
            ColourOf(settings.colour(2), defaults.weekBackground),
            ColourOf(settings.colour(3), defaults.weekText)};
}

void WritePrintColours(Settings& settings, const PrintColours& colours)
{
    settings.setTransparent(colours.transparentWeek, colours.transparentWeekend);
    settings.setColour(0, NumberOf(colours.weekendBackground));
    settings.setColour(1, NumberOf(colours.weekendText));
    settings.setColour(2, NumberOf(colours.weekBackground));
    settings.setColour(3, NumberOf(colours.weekText));
}
