// A paint pass of the chart wheel, on the window or on the printed page:
// frame, house numbers, cusp labels, intercepted signs, the rings of
// points, the aspect layers and the heading, in that order.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "base/options.hpp"
#include "platform/canvas.hpp"
#include "platform/platform.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

inline constexpr std::string_view kGlyphFontMissingMessage =
    "You must have the HORARY font installed in Windows. Please add this font through "
    "CONTROL PANEL - FONTS.";

struct WheelPaintInputs {
    const OptionTable& options;
    const WheelData& data;
    std::filesystem::path folder;  // the program folder, for PERSONAL.NAM
    // The window's drawing area (any unit); not used on paper.
    double areaWidth = 0;
    double areaHeight = 0;
    // The second-chart entry compares two persons: option 216 does not swap.
    bool secondPersonChecked = false;
};

// The layers drawn by the aspect subsystem, called at their place in the
// pass when their options ask for them; either may be left empty.
struct WheelPaintLayers {
    // A single wheel with option 47 = 1, after every ring is placed.
    std::function<void(WheelTarget&, const WheelState&)> drawAspectLines;
    // On paper with option 178 set, for any family but the triple wheels.
    std::function<void(WheelTarget&, const WheelState&)> printAspectGrid;
};

// Draws the wheel onto `canvas`: the printed page when the state's print
// mode is FullPage, else the window (white and black for a half-page
// print). Nothing is drawn while painting is suppressed or when the window
// has no area. A glyph font the canvas cannot have is reported once per
// pass ("Information!", stop icon) and the pass goes on.
void PaintWheel(WheelState& state, Canvas& canvas, Platform& platform,
                const WheelPaintInputs& inputs, const WheelPaintLayers& layers = {});

}  // namespace solvaris
