#pragma once

#include <QList>
#include <QRect>
#include <optional>

// Where to put a window stored at the given place so that the user can reach it, never larger
// than the screen it is on: the stored place when enough of its title bar shows on one of the
// screens, otherwise the top left of the first screen. Empty when the stored size is not a
// size at all: the window then keeps its default place.
std::optional<QRect> FitOnScreens(const QRect& stored, const QList<QRect>& screens);

// A new child window placed in an area: kept where it is when it shows whole there, otherwise
// moved in (and shrunk to the area when larger), so that none of it is hidden.
QRect FitInside(const QRect& window, const QSize& area);

// The places of windows cascaded in an area, in order: each one step lower and to the right of
// the one before, all of one size that leaves room for the steps but never less than two thirds
// of the area, so that every window stays usable; when the steps reach the area's edge the
// cascade starts again at the top left.
QList<QRect> CascadePlaces(int count, const QSize& area, int step);
