#include "wheel/cusp_labels.hpp"

#include <array>

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

}  // namespace

void DrawCuspLabels(WheelTarget& target, const WheelState& state, const WheelData& data) {
    const bool european = IsEuropeanSingle(state);
    for (int k = 1; k <= kCuspCount; ++k) {
        const auto parts = CuspLabelParts(target, state.mainCusps[k]);
        if (european) {
            const double angle = EuropeanAngle(state.mainCusps[k], state.mainCusps);
            double x = kOuterLabelRadius * CosDeg(angle);
            if (angle >= 100 && angle <= 260) {
                x -= 49;
            } else if ((angle > 80 && angle < 100) || (angle > 260 && angle < 280)) {
                x -= 23;
            }
            target.canvas.MoveTo(x, kOuterLabelRadius * SinDeg(angle));
            for (const LabelPart& part : parts) {
                PrintPart(target, part);
            }
            continue;
        }
        for (int j = 1; j <= 5; ++j) {
            target.canvas.MoveTo(data.cuspAnchors[10 * k - 12 + 2 * j],
                                 data.cuspAnchors[10 * k - 11 + 2 * j]);
            PrintPart(target, parts[j - 1]);
        }
    }
}

}  // namespace solvaris
