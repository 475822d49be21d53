#include "wheel/cusp_labels.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/point_label.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

struct LabelPart {
    std::string text;
    int size;    // option number
    int colour;  // option number
};

std::array<LabelPart, 5> CuspLabelParts(const WheelTarget& target, double cusp) {
    const bool screen = target.surface == WheelSurface::Screen;
    const int digitSize = screen ? opt::ScreenCuspDigitSize : opt::PrinterCuspDigitSize;
    const int signSize = screen ? opt::ScreenCuspSignSize : opt::PrinterCuspSignSize;
    const int minuteSize = screen ? opt::ScreenCuspMinuteSize : opt::PrinterCuspDigitSize;
    const int digitColour = screen ? opt::ScreenCuspDigitColour : opt::PrinterCuspDigitColour;
    const int signColour = screen ? opt::ScreenCuspSignColour : opt::PrinterCuspSignColour;
    const int minuteColour = screen ? opt::ScreenCuspMinuteColour : opt::PrinterCuspMinuteColour;
    const DegreeSignMinute s = LabelParts(cusp);
    return {{{DigitGlyph(s.degree / 10), digitSize, digitColour},
             {DigitGlyph(s.degree % 10), digitSize, digitColour},
             {SignGlyph(s.sign), signSize, signColour},
             {DigitGlyph(s.minute / 10), minuteSize, minuteColour},
             {DigitGlyph(s.minute % 10), minuteSize, minuteColour}}};
}

void PrintPart(WheelTarget& target, const LabelPart& part) {
    SetGlyphFont(target, target.options(part.size));
    target.canvas.SetForeColour(PaletteColour(target.options, part.colour));
    target.canvas.Print(part.text);
}

// The width and height of a label printed part after part on one line.
std::pair<double, double> LabelSize(WheelTarget& target, const std::array<LabelPart, 5>& parts) {
    double width = 0;
    double height = 0;
    for (const LabelPart& part : parts) {
        SetGlyphFont(target, target.options(part.size));
        width += target.canvas.TextWidth(part.text);
        height = std::max(height, target.canvas.TextHeight(part.text));
    }
    return {width, height};
}

}  // namespace

std::pair<double, double> OutsideCircleCorner(const WheelTarget& target, double angle, double width,
                                              double height) {
    constexpr double kGapUnits = 2;
    const double c = CosDeg(angle);
    const double s = SinDeg(angle);
    const double out =
        kOuterCircleRadius + kGapUnits + std::fabs(c) * width / 2 + std::fabs(s) * height / 2;
    double left = out * c - width / 2;
    double top = out * s + height / 2;
    // Held this far inside the edges of the window or page.
    constexpr double kEdgeMarginUnits = 3;
    const UserScale& b = target.bounds;
    const double lowestLeft = std::min(b.left, b.right) + kEdgeMarginUnits;
    const double highestLeft = std::max(b.left, b.right) - width - kEdgeMarginUnits;
    const double lowestTop = std::min(b.top, b.bottom) + height + kEdgeMarginUnits;
    const double highestTop = std::max(b.top, b.bottom) - kEdgeMarginUnits;
    if (lowestLeft <= highestLeft) {
        left = std::clamp(left, lowestLeft, highestLeft);
    }
    if (lowestTop <= highestTop) {
        top = std::clamp(top, lowestTop, highestTop);
    }
    // Held down (or up) into the circle's reach near the top or bottom of
    // the window: the label moves beside the circle, on its cusp's side.
    const double nearestY = std::clamp(0.0, top - height, top);
    if (std::fabs(nearestY) < kOuterCircleRadius) {
        const double halfChord =
            std::sqrt(kOuterCircleRadius * kOuterCircleRadius - nearestY * nearestY) + kGapUnits;
        if (c >= 0) {
            left = std::max(left, halfChord);
        } else {
            left = std::min(left, -halfChord - width);
        }
    }
    return {left, top};
}

void DrawCuspLabels(WheelTarget& target, const WheelState& state, const WheelData& data) {
    const bool european = IsEuropeanSingle(state);
    double& lowest = target.lowestWheelUnits;
    lowest = std::min(lowest, -kOuterCircleRadius);
    for (int k = 1; k <= kCuspCount; ++k) {
        const auto parts = CuspLabelParts(target, state.mainCusps[k]);
        if (european) {
            const double angle = EuropeanAngle(state.mainCusps[k], state.mainCusps);
            const auto [width, height] = LabelSize(target, parts);
            const auto [x, y] = OutsideCircleCorner(target, angle, width, height);
            target.canvas.MoveTo(x, y);
            for (const LabelPart& part : parts) {
                PrintPart(target, part);
            }
            lowest = std::min(lowest, y - height);
            continue;
        }
        for (int j = 1; j <= 5; ++j) {
            const double top = data.cuspAnchors[10 * k - 11 + 2 * j];
            target.canvas.MoveTo(data.cuspAnchors[10 * k - 12 + 2 * j], top);
            PrintPart(target, parts[j - 1]);
            lowest = std::min(lowest, top - target.canvas.TextHeight(parts[j - 1].text));
        }
    }
}

}  // namespace solvaris
