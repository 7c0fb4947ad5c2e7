#include "shell/WindowArrangement.h"

#include "shell/Placement.h"
#include "store/Settings.h"
#include "store/Twips.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>

namespace {

// The roster windows that are not minimised.
QList<QMdiSubWindow*> ShownWindows(const QMdiArea& area, QMdiArea::WindowOrder order)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(order)) {
        if (!window->isMinimized())
            windows.append(window);
    }
    return windows;
}

void Cascade(QMdiArea& area)
{
    // Bottom to top: the window in front stays in front, at the last step.
    const QList<QMdiSubWindow*> windows = ShownWindows(area, QMdiArea::StackingOrder);
    if (windows.isEmpty())
        return;
    const int step = area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first());
    const QList<QRect> places =
        CascadePlaces(static_cast<int>(windows.size()), area.viewport()->size(), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows.at(i)->showNormal();
        windows.at(i)->setGeometry(places.at(i));
        windows.at(i)->raise();
    }
}

// Side by side in horizontal bands (one above the other) or in vertical bands.
void Tile(QMdiArea& area, Qt::Orientation bands)
{
    const QList<QMdiSubWindow*> windows = ShownWindows(area, QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    const QSize size = area.viewport()->size();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        windows.at(i)->showNormal();
        if (bands == Qt::Horizontal) {
            const int height = size.height() / count;
            windows.at(i)->setGeometry(0, i * height, size.width(), height);
        } else {
            const int width = size.width() / count;
            windows.at(i)->setGeometry(i * width, 0, width, size.height());
        }
    }
}

void ArrangeIcons(QMdiArea& area)
{
    int left = 0;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        window->move(left, area.viewport()->height() - window->height());
        left += window->width();
    }
}

// The window's place from the settings, in pixels and on a screen; empty when none is stored
// or a value is not a number.
std::optional<QRect> StoredPlace(const Settings& settings, int dpi)
{
    const std::optional<Settings::Place> place = settings.place();
    if (!place)
        return std::nullopt;
    const auto pixels = [dpi](double twips) { return qRound(twips * dpi / TwipsPerInch); };
    const QRect stored(pixels(place->left), pixels(place->top), pixels(place->width),
                       pixels(place->height));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return FitOnScreens(stored, screens);
}

} // namespace

void ArrangeWindows(QMdiArea& area, int code)
{
    switch (code) {
    case 0:
        Cascade(area);
        break;
    case 1:
        Tile(area, Qt::Horizontal);
        break;
    case 2:
        Tile(area, Qt::Vertical);
        break;
    case 3:
        ArrangeIcons(area);
        break;
    }
}

void ShowAtStoredPlace(QMainWindow& window)
{
    const Settings settings;
    if (settings.maximized()) {
        window.showMaximized();
        return;
    }
    if (const std::optional<QRect> place = StoredPlace(settings, window.logicalDpiX())) {
        window.resize(place->size());
        window.move(place->topLeft());
    }
    window.show();
}

void StorePlacement(const QMainWindow& window)
{
    if (window.isMinimized())
        return;
    Settings settings;
    settings.setMaximized(window.isMaximized());
    if (window.isMaximized())
        return;
    const double twipsPerPixel = TwipsPerInch / window.logicalDpiX();
    const auto twips = [twipsPerPixel](int pixels) { return qRound(pixels * twipsPerPixel); };
    settings.setPlace(twips(window.x()), twips(window.y()), twips(window.width()),
                      twips(window.height()));
}
