#pragma once

#include <QList>
#include <QRect>

// Where to put a window stored at the given place so that the user can reach it: the stored
// place when enough of it shows on one of the screens, otherwise the same size (shrunk to fit)
// at the top left of the first screen.
QRect FitOnScreens(const QRect& stored, const QList<QRect>& screens);
