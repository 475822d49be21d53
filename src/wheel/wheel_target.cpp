#include "wheel/wheel_target.hpp"

#include <algorithm>
#include <cmath>

namespace solvaris {

int PaletteColour(const OptionTable& options, int n) {
    const float value = options(n);
    if (!std::isfinite(value)) {
        return kBlack;
    }
    return static_cast<int>(std::clamp(value, 0.0f, float(kWhite)));
}

float SurfaceOption(const WheelTarget& target, int screenOption, int printerOption) {
    return target.options(target.surface == WheelSurface::Screen ? screenOption : printerOption);
}

int SurfaceColour(const WheelTarget& target, int screenOption, int printerOption) {
    return PaletteColour(target.options,
                         target.surface == WheelSurface::Screen ? screenOption : printerOption);
}

void SetGlyphFont(WheelTarget& target, double pointSize) {
    if (!target.canvas.SetFont(kGlyphFont, std::max(pointSize, target.smallestPoints))) {
        target.glyphFontMissing = true;
    }
}

}  // namespace solvaris
