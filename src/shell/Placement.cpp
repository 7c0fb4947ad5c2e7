#include "shell/Placement.h"

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

QRect FitInside(const QRect& window, const QSize& area)
{
    const QSize size = window.size().boundedTo(area);
    const int left = std::clamp(window.left(), 0, area.width() - size.width());
    const int top = std::clamp(window.top(), 0, area.height() - size.height());
    return QRect(QPoint(left, top), size);
}

QList<QRect> CascadePlaces(int count, const QSize& area, int step)
{
    QList<QRect> places;
    if (count <= 0)
        return places;
    const QSize smallest = area * 2 / 3;
    const QSize size = (area - QSize(step, step) * (count - 1)).expandedTo(smallest);
    const QSize room = area - size;
    const int steps = step > 0 ? std::min(room.width(), room.height()) / step + 1 : 1;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % steps) * step;
        places.append(QRect(QPoint(offset, offset), size));
    }
    return places;
}
