#include "wheel/point_label.hpp"

#include <algorithm>
#include <cmath>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "reports/position_format.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

bool TripleSmallPrint(const WheelTarget& target, const WheelState& state) {
    return target.surface == WheelSurface::Printer && state.layout == 2 &&
           target.options(opt::PrintedTripleWithoutHouseNumbers) != 0;
}

// The box of one part of a label: the surface's measure of the text plus
// the spacing options of its kind (glyphs, signs and the mark; digits).
struct PartBox {
    double width = 0;
    double height = 0;
};

PartBox MeasurePart(WheelTarget& target, const std::string& text, bool digit) {
    const bool screen = target.surface == WheelSurface::Screen;
    const int spacingX = digit ? (screen ? opt::ScreenDigitSpacingX : opt::PrinterDigitSpacingX)
                               : (screen ? opt::ScreenGlyphSpacingX : opt::PrinterGlyphSpacingX);
    const int spacingY = digit ? (screen ? opt::ScreenDigitSpacingY : opt::PrinterDigitSpacingY)
                               : (screen ? opt::ScreenGlyphSpacingY : opt::PrinterGlyphSpacingY);
    const auto measured = [](double value) {
        return std::isfinite(value) ? std::max(0.0, value) : 0.0;
    };
    return {measured(target.canvas.TextWidth(text) + target.options(spacingX)),
            measured(target.canvas.TextHeight(text) + target.options(spacingY))};
}

// The option numbers of the label's parts on this surface.
struct LabelStyle {
    int degreeSize;
    int degreeColour;
    int signSize;
    int signColour;
    int minuteSize;
    int minuteColour;
    int markSize;
    int markColour;
    bool minutes;       // a triple wheel has no room for them
    double minuteLift;  // taken off the height of the steps between minutes
};

LabelStyle LabelStyleOf(const WheelTarget& target, const WheelState& state) {
    const bool screen = target.surface == WheelSurface::Screen;
    const bool small = TripleSmallPrint(target, state);
    LabelStyle style{screen ? opt::ScreenLabelDegreeSize : opt::PrinterLabelDegreeSize,
                     screen ? opt::ScreenLabelDegreeColour : opt::PrinterLabelDegreeColour,
                     screen ? opt::ScreenLabelSignSize : opt::PrinterLabelSignSize,
                     screen ? opt::ScreenLabelSignColour : opt::PrinterLabelSignColour,
                     screen ? opt::ScreenLabelMinuteSize
                            : (small ? opt::PrintedTripleMinuteSize : opt::PrinterLabelMinuteSize),
                     screen ? opt::ScreenLabelMinuteColour : opt::PrinterLabelMinuteColour,
                     screen
                         ? opt::ScreenRetrogradeSize
                         : (small ? opt::PrintedTripleRetrogradeSize : opt::PrinterRetrogradeSize),
                     screen ? opt::ScreenRetrogradeColour : opt::PrinterRetrogradeColour,
                     state.layout != 2,
                     0};
    // Large minute digits step less far down so that they keep to the ring.
    if (target.options(screen ? opt::ScreenLabelMinuteSize : opt::PrinterLabelMinuteSize) >=
        target.options(screen ? opt::ScreenLargeMinutes : opt::PrinterLargeMinutes)) {
        style.minuteLift = target.options(screen ? opt::ScreenMinuteLift : opt::PrinterMinuteLift);
    }
    return style;
}

// Where the label goes next: it moves toward the centre along the glyph's
// direction, just far enough that the next part's box clears the last
// one's, either across or down/up by the line's vertical factor of the
// box above (a part under another shares no line with it).
struct LabelPen {
    WheelTarget& target;
    double x;
    double y;
    double cosine;
    double sine;
    double verticalFactor;
    PartBox last;
    int colour = kBlack;

    void StepTo(const PartBox& next, double lift) {
        constexpr double kAlong = 1e-9;
        constexpr double kNever = 1e12;
        const double dx = -cosine;
        const double dy = -sine;
        // Leftward the next box must end where the last begins; rightward
        // it begins where the last ends. Downward it starts below the last
        // box; upward the last starts below it.
        const double across = dx < -kAlong  ? next.width / -dx
                              : dx > kAlong ? last.width / dx
                                            : kNever;
        const double clearDown = verticalFactor * std::max(0.0, last.height - lift);
        const double clearUp = verticalFactor * std::max(0.0, next.height - lift);
        const double down = dy < -kAlong ? clearDown / -dy : dy > kAlong ? clearUp / dy : kNever;
        const double step = std::min(across, down);
        x += step * dx;
        y += step * dy;
    }
    void Print(const std::string& text) {
        target.canvas.MoveTo(x, y);
        target.canvas.Print(text);
    }
    // One part: its style, its box, the step that clears the last part,
    // the text.
    void Part(const std::string& text, bool digit, int sizeOption, int colourOption,
              double lift = 0) {
        SetGlyphFont(target, target.options(sizeOption));
        colour = PaletteColour(target.options, colourOption);
        target.canvas.SetForeColour(colour);
        const PartBox box = MeasurePart(target, text, digit);
        StepTo(box, lift);
        Print(text);
        last = box;
    }
    void Digit(int digit, int sizeOption, int colourOption, double lift = 0) {
        Part(DigitGlyph(digit), true, sizeOption, colourOption, lift);
    }
};

// From the glyph inward: degree, sign, minute.
void LabelOrderAParts(LabelPen& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
    pen.Digit(parts.degree / 10, style.degreeSize, style.degreeColour);
    pen.Digit(parts.degree % 10, style.degreeSize, style.degreeColour);
    pen.Part(SignGlyph(parts.sign), false, style.signSize, style.signColour);
    if (style.minutes) {
        pen.Digit(parts.minute / 10, style.minuteSize, style.minuteColour);
        pen.Digit(parts.minute % 10, style.minuteSize, style.minuteColour, style.minuteLift);
    }
}

// From the glyph inward: minute, sign, degree, each number units first, so
// that the label still reads degree, sign, minute from left to right.
void LabelOrderBParts(LabelPen& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
    if (style.minutes) {
        pen.Digit(parts.minute % 10, style.minuteSize, style.minuteColour, style.minuteLift);
        pen.Digit(parts.minute / 10, style.minuteSize, style.minuteColour, style.minuteLift);
    }
    pen.Part(SignGlyph(parts.sign), false, style.signSize, style.signColour);
    pen.Digit(parts.degree % 10, style.degreeSize, style.degreeColour);
    pen.Digit(parts.degree / 10, style.degreeSize, style.degreeColour);
}

// Order A on the left of an American wheel (houses before L and after
// L + 5), and on the left half of a European one; order B elsewhere.
bool LabelOrderA(const WheelTarget& target, const WheelState& state, const PlacedPoint& placed) {
    const bool european = IsEuropeanSingle(state);
    const int side = target.options(opt::LabelOrder) == 0 && !european ? 3 : 4;
    const double a = placed.angleDegrees;
    return (!european || (a >= 75 && a < 255)) &&
           (european || placed.house < side || placed.house > side + 5);
}

}  // namespace

DegreeSignMinute LabelParts(double longitude) {
    // Held to the circle so that no value can name a sign outside 1-12.
    const SplitLongitude s = Split(OnCircle(longitude));
    return {s.degrees, s.sign, s.minutes};
}

float PointGlyphSize(const WheelTarget& target, const WheelState& state) {
    // Paper may take smaller glyphs for a triple wheel without house numbers.
    if (TripleSmallPrint(target, state)) {
        return target.options(opt::PrintedTriplePointGlyphSize);
    }
    return SurfaceOption(target, opt::ScreenPointGlyphSize, opt::PrinterPointGlyphSize);
}

void DrawPlacedPoint(WheelTarget& target, const WheelState& state, const PlacedPoint& placed,
                     const std::string& marks) {
    const LabelStyle style = LabelStyleOf(target, state);
    const double a = placed.angleDegrees;
    LabelPen pen{target,
                 placed.radius * CosDeg(a),
                 placed.radius * SinDeg(a),
                 CosDeg(a),
                 SinDeg(a),
                 target.surface == WheelSurface::Screen ? 0.75 : 0.8,
                 {}};
    pen.colour = SurfaceColour(target, opt::ScreenPointGlyphColour, opt::PrinterPointGlyphColour);
    target.canvas.SetForeColour(pen.colour);
    SetGlyphFont(target, PointGlyphSize(target, state));
    const std::string glyph = PointGlyph(placed.point);
    pen.last = MeasurePart(target, glyph, false);
    pen.Print(glyph);

    const DegreeSignMinute parts = LabelParts(placed.longitude);
    if (LabelOrderA(target, state, placed)) {
        LabelOrderAParts(pen, style, parts);
    } else {
        LabelOrderBParts(pen, style, parts);
    }

    if (placed.point <= kBodyCount && static_cast<std::size_t>(placed.point) <= marks.size() &&
        marks[placed.point - 1] == 'R') {
        const int previous = pen.colour;
        pen.Part(GlyphText(kRetrogradeCode), false, style.markSize, style.markColour);
        target.canvas.SetForeColour(previous);
    }
}

}  // namespace solvaris
