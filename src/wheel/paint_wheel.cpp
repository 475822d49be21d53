#include "wheel/paint_wheel.hpp"

#include <cmath>
#include <optional>
#include <vector>

#include "base/option_numbers.hpp"
#include "wheel/cusp_labels.hpp"
#include "wheel/house_numbers.hpp"
#include "wheel/house_sizes.hpp"
#include "wheel/intercepted_signs.hpp"
#include "wheel/place_ring.hpp"
#include "wheel/point_label.hpp"
#include "wheel/ring_swap.hpp"
#include "wheel/wheel_frames.hpp"
#include "wheel/wheel_heading.hpp"
#include "wheel/wheel_scale.hpp"

namespace solvaris {

namespace {

bool DrawsHouseNumbers(const WheelTarget& target, const WheelState& state) {
    if (state.layout == WheelLayout::Dual) {
        return true;
    }
    return state.layout == WheelLayout::Triple &&
           (target.surface == WheelSurface::Screen ||
            target.options(opt::PrintedTripleWithoutHouseNumbers) == 0);
}

// The corners of the page (of the canvas's own shape) or of the window at
// its present size (nothing for a window without area); the window's scale
// is kept in the state.
std::optional<UserScale> PassBounds(WheelState& state, const WheelPaintInputs& inputs,
                                    const Canvas& canvas) {
    if (state.printMode == WheelPrintMode::FullPage) {
        return PrinterUserScale(PrinterScale(state), canvas.HeightPerWidth());
    }
    const auto scale = ScreenScale(inputs.areaWidth, inputs.areaHeight);
    if (!scale) {
        return std::nullopt;
    }
    state.scale = *scale;
    // The European type prints its cusp labels outside the outer circle at
    // their cusps' angles: the window shows that much more around the
    // wheel, so that the labels at the top and bottom keep their angle and
    // a margin from the edge.
    constexpr double kEuropeanRoom = 242.0 / 225;
    if (IsEuropeanSingle(state)) {
        return ScreenUserScale(static_cast<int>(std::lround(*scale * kEuropeanRoom)),
                               inputs.areaWidth, inputs.areaHeight);
    }
    return ScreenUserScale(*scale, inputs.areaWidth, inputs.areaHeight);
}

// Laid out from the outside in, so that each ring keeps clear of the labels
// of the rings outside it; drawn the main ring first, and in a triple wheel
// the innermost ring before the middle one. The leader lines are drawn
// once every ring is laid out, to keep clear of the labels of every ring.
void PlaceRings(WheelTarget& target, WheelState& state, const WheelData& data) {
    std::vector<PlacedRing> rings{LayOutRing(target, state, RingRole::Main, data)};
    if (state.layout == WheelLayout::Triple) {
        rings.push_back(LayOutRing(target, state, RingRole::Middle, data, rings));
    }
    if (state.layout != WheelLayout::Single) {
        rings.push_back(LayOutRing(target, state, RingRole::Inner, data, rings));
    }
    for (const PlacedRing& ring : rings) {
        DrawRingLeaders(target, state, ring, rings);
    }
    for (const RingRole role : {RingRole::Main, RingRole::Inner, RingRole::Middle}) {
        for (const PlacedRing& ring : rings) {
            if (ring.role == role) {
                DrawRingPoints(target, state, ring);
            }
        }
    }
}

// The surface the pass paints on, in its scale: the printer's page or the
// window, whose smallest legible points follow its size.
WheelTarget TargetOf(const WheelState& state, Canvas& canvas, const WheelPaintInputs& inputs,
                     const UserScale& bounds) {
    const bool printer = state.printMode == WheelPrintMode::FullPage;
    WheelTarget target{canvas, inputs.options,
                       printer ? WheelSurface::Printer : WheelSurface::Screen,
                       state.printMode == WheelPrintMode::HalfPage, bounds};
    if (!printer) {
        target.smallestPoints = SmallestScreenPoints(inputs.areaWidth, inputs.areaHeight);
    }
    return target;
}

// The house numbers, the cusps' labels and the intercepted signs, in the
// cusps' font.
void DrawHouses(WheelTarget& target, WheelState& state, const WheelPaintInputs& inputs) {
    if (DrawsHouseNumbers(target, state)) {
        DrawHouseNumbers(target.canvas);
    }
    state.houseSize = ComputeHouseSizes(state.mainCusps);
    DrawCuspLabels(target, state, inputs.data);
    DrawInterceptedSigns(target, state);
}

}  // namespace

void PaintWheel(WheelState& state, Canvas& canvas, Platform& platform,
                const WheelPaintInputs& inputs, const WheelPaintLayers& layers) {
    if (state.suppressPaint) {
        return;
    }
    const auto bounds = PassBounds(state, inputs, canvas);
    if (!bounds) {
        return;
    }
    const OptionTable& options = inputs.options;
    const bool printer = state.printMode == WheelPrintMode::FullPage;
    WheelTarget target = TargetOf(state, canvas, inputs, *bounds);

    canvas.Clear(BackgroundColour(target));
    canvas.SetScale(bounds->left, bounds->top, bounds->right, bounds->bottom);
    canvas.SetForeColour(kBlack);
    DrawFrame(target, state);

    // From the first use of the glyph font on, a font the surface lacks is
    // told once and the drawing goes on in whatever font it has.
    bool told = false;
    const auto afterStep = [&] {
        if (target.glyphFontMissing && !told) {
            told = true;
            platform.ShowMessage(kGlyphFontMissingMessage, "Information!", MessageIcon::Critical);
        }
    };
    SetGlyphFont(target,
                 SurfaceOption(target, opt::ScreenCuspDigitSize, opt::PrinterCuspDigitSize));
    afterStep();
    DrawHouses(target, state, inputs);
    afterStep();

    SetGlyphFont(target, PointGlyphSize(target, state));
    afterStep();
    if (!printer && options(opt::SecondChartOutside) != 0) {
        SwapRingsForOption216(state, inputs.secondPersonChecked);
    }
    PlaceRings(target, state, inputs.data);
    afterStep();
    if (state.layout == WheelLayout::Single && options(opt::WheelAspectLines) == 1 &&
        layers.drawAspectLines) {
        layers.drawAspectLines(target, state);
        afterStep();
    }
    DrawHeading(target, state, inputs.folder);
    afterStep();
    if (printer && options(opt::PrintedAspectGrid) != 0 && state.family != WheelFamily::Triple &&
        layers.printAspectGrid) {
        layers.printAspectGrid(target, state);
        afterStep();
    }
}

}  // namespace solvaris
