// The usable areas of the screens and a window's placement in pixels, for
// the placement rules of app/window_placement.
#pragma once

#include <QRect>
#include <vector>

#include "app/window_placement.hpp"

class QWidget;

namespace solvaris {

// The primary screen first.
std::vector<PixelRect> ScreenAreas();

// The usable area of the screen `window` stands on (the primary screen's
// for none; 1024 by 768 when there is no screen at all), for windows placed
// beside one another.
PixelRect ScreenAreaOf(const QWidget* window);

// The window's position and client size, as the settings keep them.
PixelRect PlacementOf(const QWidget& window);
void Place(QWidget& window, const PixelRect& placed);

// The whole window, caption and border included; moved by its frame.
PixelRect FrameOf(const QWidget& window);
void MoveFrame(QWidget& window, const PixelRect& frame);

}  // namespace solvaris
