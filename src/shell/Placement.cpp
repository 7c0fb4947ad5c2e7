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

std::optional<QRect> FitOnScreens(const QRect& stored, const QList<QRect>& screens)
{
    if (stored.width() <= 0 || stored.height() <= 0)
        return std::nullopt;
    if (screens.isEmpty())
        return stored;
    const auto fitted = [&stored](const QPoint& topLeft, const QRect& screen) {
        return QRect(topLeft, stored.size().boundedTo(screen.size()));
    };
    for (const QRect& screen : screens) {
        if (IsReachable(stored, screen))
            return fitted(stored.topLeft(), screen);
    }
    return fitted(screens.first().topLeft(), screens.first());
}
