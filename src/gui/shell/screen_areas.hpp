// The usable areas of the screens, for windows placed from the settings,
// and a window's placement in pixels.
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
QRect ScreenAreaOf(const QWidget* window);

// The window's position and client size, as the settings keep them.
PixelRect PlacementOf(const QWidget& window);
void Place(QWidget& window, const PixelRect& placed);

// The shown window moved, as little as it takes, to lie wholly within
// `area` (its top left corner in the area when it is larger).
void KeepWithin(QWidget& window, const QRect& area);

}  // namespace solvaris
