#include "app/window_placement.hpp"

#include <algorithm>
#include <cmath>

namespace solvaris {

double TwipsPerPixel(double dotsPerInch) {
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : kTwipsPerInch / 96.0;
}

PixelRect TwipsToPixels(const TwipsRect& t, double twipsPerPixel) {
    auto pixels = [twipsPerPixel](double twips) {
        return static_cast<int>(std::lround(std::clamp(twips / twipsPerPixel, -1e6, 1e6)));
    };
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

TwipsRect PixelsToTwips(const PixelRect& p, double twipsPerPixel) {
    return {p.left * twipsPerPixel, p.top * twipsPerPixel, p.width * twipsPerPixel,
            p.height * twipsPerPixel};
}

namespace {

bool ShowsGrip(const PixelRect& window, const PixelRect& screen) {
    const int left = std::max(window.left, screen.left);
    const int right = std::min(window.left + window.width, screen.left + screen.width);
    const int top = std::max(window.top, screen.top);
    const int bottom = std::min(window.top + window.height, screen.top + screen.height);
    return right - left >= std::min(kGripPixels, window.width) &&
           bottom - top >= std::min(kGripPixels, window.height);
}

}  // namespace

PixelRect BringOntoScreen(const PixelRect& window, const std::vector<PixelRect>& screens) {
    if (screens.empty()) {
        return window;
    }
    for (const PixelRect& screen : screens) {
        if (ShowsGrip(window, screen)) {
            return window;
        }
    }
    const PixelRect& screen = screens.front();
    PixelRect placed = window;
    placed.width = std::clamp(window.width, 1, std::max(1, screen.width));
    placed.height = std::clamp(window.height, 1, std::max(1, screen.height));
    placed.left = std::clamp(window.left, screen.left, screen.left + screen.width - placed.width);
    placed.top = std::clamp(window.top, screen.top, screen.top + screen.height - placed.height);
    return placed;
}

}  // namespace solvaris
