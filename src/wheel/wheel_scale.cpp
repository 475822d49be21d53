#include "wheel/wheel_scale.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

namespace solvaris {

namespace {

// Of the full page, so that the printed wheel keeps a margin.
constexpr double kPageFactor = 0.9625;

}  // namespace

std::optional<int> ScreenScale(double width, double height) {
    if (!(width > 0) || !(height > 0)) {
        return std::nullopt;
    }
    if (width < height) {
        return 244;
    }
    // Held to what the settings file keeps (a 16-bit whole number).
    const double scale = std::round(225 * width / height);
    return static_cast<int>(std::fmin(scale, std::numeric_limits<std::int16_t>::max()));
}

UserScale ScreenUserScale(int scale, double width, double height) {
    const double halfHeight = scale * height / width;
    return {-double(scale), halfHeight, double(scale), -halfHeight};
}

double SmallestScreenPoints(double widthPixels, double heightPixels) {
    constexpr double kSmallestPixels = 9;
    constexpr double kWindowInches = 14050.0 / 1440.0;
    constexpr double kPointsPerInch = 72;
    if (!(widthPixels > 0) || !(heightPixels > 0)) {
        return 0;
    }
    const double textWidthPixels =
        widthPixels >= heightPixels ? heightPixels * 4 / 3 : widthPixels * 300 / 244;
    return kSmallestPixels * kWindowInches * kPointsPerInch / textWidthPixels;
}

void ResizeWheel(WheelState& state, double width, double height) {
    if (const auto scale = ScreenScale(width, height)) {
        state.scale = *scale;
    }
}

int PrinterScale(const WheelState& state) { return IsEuropeanSingle(state) ? 272 : 265; }

UserScale PrinterUserScale(int scale, double pageHeightPerWidth) {
    constexpr double kFallbackHeightPerWidth = 1.25;
    const double heightPerWidth = pageHeightPerWidth > 0 && std::isfinite(pageHeightPerWidth)
                                      ? pageHeightPerWidth
                                      : kFallbackHeightPerWidth;
    const double s = scale;
    return {-kPageFactor * s, kPageFactor * (s * heightPerWidth - 56), kPageFactor * s,
            kPageFactor * (-s * heightPerWidth - 56)};
}

}  // namespace solvaris
