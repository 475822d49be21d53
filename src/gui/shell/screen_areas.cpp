#include "gui/shell/screen_areas.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace solvaris {

namespace {

PixelRect PixelsOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

std::vector<PixelRect> ScreenAreas() {
    std::vector<PixelRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        areas.push_back(PixelsOf(primary->availableGeometry()));
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            areas.push_back(PixelsOf(screen->availableGeometry()));
        }
    }
    return areas;
}

QRect ScreenAreaOf(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

PixelRect PlacementOf(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

void Place(QWidget& window, const PixelRect& placed) {
    window.move(placed.left, placed.top);
    window.resize(placed.width, placed.height);
}

void KeepWithin(QWidget& window, const QRect& area) {
    const QRect frame = window.frameGeometry();
    const int left =
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    window.move(left, top);
}

}  // namespace solvaris
