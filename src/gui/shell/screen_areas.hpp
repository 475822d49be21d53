// The usable areas of the screens, for windows placed from the settings.
#pragma once

#include <vector>

#include "app/window_placement.hpp"

namespace solvaris {

// The primary screen first.
std::vector<PixelRect> ScreenAreas();

}  // namespace solvaris
