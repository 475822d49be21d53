#include "wheel/wheel_frames.hpp"

#include <initializer_list>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

namespace {

int HouseLineColour(const WheelTarget& target) {
    return target.halfPage
               ? kBlack
               : SurfaceColour(target, opt::ScreenHouseLineColour, opt::PrinterHouseLineColour);
}

int CircleColour(const WheelTarget& target) {
    return SurfaceColour(target, opt::ScreenCircleColour, opt::PrinterCircleColour);
}

// Both surfaces keep one unit as long in y as in x, so a house line ends
// on its circles at every angle.
void HouseLine(WheelTarget& target, double angle, double innerRadius, double outerRadius) {
    const double c = CosDeg(angle);
    const double s = SinDeg(angle);
    target.canvas.Line(innerRadius * c, innerRadius * s, outerRadius * c, outerRadius * s,
                       HouseLineColour(target));
}

// Twelve equal houses from the centre disc outward. On the window the lines
// start at the centre and the filled disc hides their inner ends.
void EqualHouseLines(WheelTarget& target) {
    const bool screen = target.surface == WheelSurface::Screen;
    for (int i = 0; i < 12; ++i) {
        HouseLine(target, 30.0 * i, screen ? 0.0 : 40.0, 217);
    }
}

void Circles(WheelTarget& target, std::initializer_list<double> radii) {
    for (const double radius : radii) {
        target.canvas.Circle(0, 0, radius, CircleColour(target));
    }
}

void CentreDisc(WheelTarget& target) {
    target.canvas.SetFillStyle(FillStyle::Solid);
    target.canvas.SetFillColour(BackgroundColour(target));
    target.canvas.Circle(0, 0, 40, CircleColour(target));
    target.canvas.SetFillStyle(FillStyle::Transparent);
}

}  // namespace

int BackgroundColour(const WheelTarget& target) {
    if (target.halfPage || target.surface == WheelSurface::Printer) {
        return kWhite;
    }
    return PaletteColour(target.options, opt::ScreenBackgroundColour);
}

void DrawSingleFrame(WheelTarget& target, const WheelState& state) {
    if (IsEuropeanSingle(state)) {
        HouseLine(target, 180, 120, 217);
        for (int house = 2; house <= 12; ++house) {
            HouseLine(target, EuropeanCuspAngle(state.mainCusps, house), 120, 217);
        }
    } else {
        for (int i = 0; i < 12; ++i) {
            HouseLine(target, 30.0 * i, 120, 217);
        }
    }
    Circles(target, {217, 120});
}

void DrawDualFrame(WheelTarget& target) {
    EqualHouseLines(target);
    Circles(target, {217, RingBandOf(RingRole::Main, WheelLayout::Dual).inner, 62});
    CentreDisc(target);
}

void DrawTripleFrame(WheelTarget& target) {
    EqualHouseLines(target);
    Circles(target, {217, RingBandOf(RingRole::Main, WheelLayout::Triple).inner,
                     RingBandOf(RingRole::Middle, WheelLayout::Triple).inner});
    if (target.surface == WheelSurface::Screen ||
        target.options(opt::PrintedTripleWithoutHouseNumbers) == 0) {
        Circles(target, {62});
    }
    CentreDisc(target);
}

void DrawFrame(WheelTarget& target, const WheelState& state) {
    switch (state.layout) {
        case WheelLayout::Dual: DrawDualFrame(target); break;
        case WheelLayout::Triple: DrawTripleFrame(target); break;
        case WheelLayout::Single: DrawSingleFrame(target, state); break;
    }
}

}  // namespace solvaris
