#pragma once

#include <QList>
#include <QRect>
#include <optional>

// Where to put a window stored at the given place so that the user can reach it, never larger
// than the screen it is on: the stored place when enough of its title bar shows on one of the
// screens, otherwise the top left of the first screen. Empty when the stored size is not a
// size at all: the window then keeps its default place.
std::optional<QRect> FitOnScreens(const QRect& stored, const QList<QRect>& screens);
