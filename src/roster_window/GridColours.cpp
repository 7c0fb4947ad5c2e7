#include "roster_window/GridColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// Below this the face is hard to tell from the cells on many screens.
constexpr double DistinctRatio = 1.25;
// What a face that had to be moved reaches: about the classic grey of buttons on white.
constexpr double ClearRatio = 1.5;
constexpr double MidGreyLuminance = 0.18;

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double one = Luminance(first);
    const double other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

ColourPair HeaderColours(const QPalette& palette)
{
    const QColor cells = palette.color(QPalette::Base);
    ColourPair pair{palette.color(QPalette::Button), palette.color(QPalette::ButtonText)};
    if (ContrastRatio(pair.background, cells) >= DistinctRatio)
        return pair;
    // On dark cells (darker than mid grey) the face becomes lighter, on light cells darker.
    const bool lighten = Luminance(cells) < MidGreyLuminance;
    const float step = lighten ? 0.01f : -0.01f;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    pair.background.getHslF(&hue, &saturation, &lightness);
    QColor face = pair.background;
    while (ContrastRatio(face, cells) < ClearRatio && (lighten ? lightness < 1 : lightness > 0)) {
        lightness = std::clamp(lightness + step, 0.0f, 1.0f);
        // In RGB: some paint engines draw a colour given in HSL as black.
        face = QColor::fromHslF(hue, saturation, lightness).toRgb();
    }
    pair.background = face;
    return pair;
}
