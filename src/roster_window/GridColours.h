#pragma once

#include <QColor>

class QPalette;

// The colours of the grid's month names, also worn by highlighted days.
struct ColourPair {
    QColor background;
    QColor text;
};

// The luminance contrast of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);

// The platform's button face and button text, when that face stands out from the cells' own
// background; otherwise the face is moved away from that background, keeping its hue, until
// a highlighted day is plain to see (many themes paint their buttons barely off-white).
ColourPair HeaderColours(const QPalette& palette);
