#include "Placement.h"

#include <algorithm>

namespace {

// Enough of a title bar to grab the window with the mouse.
constexpr int MinimumVisibleWidth = 100;
constexpr int MinimumVisibleHeight = 30;

bool IsReachable(const QRect& window, const QRect& screen)
{
    const QRect titleBar(window.left(), window.top(), window.width(), MinimumVisibleHeight);
    const QRect visible = titleBar.intersected(screen);
    return visible.width() >= std::min(MinimumVisibleWidth, window.width()) &&
           visible.height() >= MinimumVisibleHeight;
}

} // namespace

QRect FitOnScreens(const QRect& stored, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return stored;
    for (const QRect& screen : screens) {
        if (IsReachable(stored, screen))
            return stored;
    }
    const QRect& first = screens.first();
    const QSize size(std::min(stored.width(), first.width()),
                     std::min(stored.height(), first.height()));
    return QRect(first.topLeft(), size);
}
