#include "gui/common/screen_areas.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

PixelRect ScreenAreaOf(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? PixelsOf(screen->availableGeometry()) : PixelRect{0, 0, 1024, 768};
}

PixelRect PlacementOf(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

void Place(QWidget& window, const PixelRect& placed) {
    window.move(placed.left, placed.top);
    window.resize(placed.width, placed.height);
}

PixelRect FrameOf(const QWidget& window) { return PixelsOf(window.frameGeometry()); }

// A top-level window's position is its frame's.
void MoveFrame(QWidget& window, const PixelRect& frame) { window.move(frame.left, frame.top); }

}  // namespace solvaris
