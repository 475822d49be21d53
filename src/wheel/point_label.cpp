#include "wheel/point_label.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "reports/position_format.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

int WholeUnits(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::round(value), double(INT16_MIN), double(INT16_MAX)));
}

bool TripleSmallPrint(const WheelTarget& target, const WheelState& state) {
    return target.surface == WheelSurface::Printer && state.layout == 2 &&
           target.options(opt::PrintedTripleWithoutHouseNumbers) != 0;
}

void MeasureDigit(WheelTarget& target, GlyphMetrics& m) {
    const bool screen = target.surface == WheelSurface::Screen;
    m.digitWidth =
        WholeUnits(target.canvas.TextWidth("0") +
                   target.options(screen ? opt::ScreenDigitSpacingX : opt::PrinterDigitSpacingX));
    m.digitHeight =
        WholeUnits(target.canvas.TextHeight("0") +
                   target.options(screen ? opt::ScreenDigitSpacingY : opt::PrinterDigitSpacingY));
}

void MeasureSign(WheelTarget& target, GlyphMetrics& m, const std::string& sign) {
    const bool screen = target.surface == WheelSurface::Screen;
    m.digitWidth =
        WholeUnits(target.canvas.TextWidth(sign) +
                   target.options(screen ? opt::ScreenGlyphSpacingX : opt::PrinterGlyphSpacingX));
    m.digitHeight =
        WholeUnits(target.canvas.TextHeight(sign) +
                   target.options(screen ? opt::ScreenGlyphSpacingY : opt::PrinterGlyphSpacingY));
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
// direction, vertically by a fraction of the height of what it clears.
struct LabelPen {
    WheelTarget& target;
    GlyphMetrics& metrics;
    double x;
    double y;
    double cosine;
    double sine;
    double verticalFactor;
    int colour = kBlack;

    void Step(int width, double height) {
        x -= width * cosine;
        y -= verticalFactor * height * sine;
    }
    void DigitStep(double lift = 0) { Step(metrics.digitWidth, metrics.digitHeight - lift); }
    void Print(const std::string& text) {
        target.canvas.MoveTo(x, y);
        target.canvas.Print(text);
    }
    void Style(int sizeOption, int colourOption) {
        SetGlyphFont(target, target.options(sizeOption));
        colour = PaletteColour(target.options, colourOption);
        target.canvas.SetForeColour(colour);
    }
    // A number's size and colour, and the digit step measured on "0".
    void NumberStyle(int sizeOption, int colourOption) {
        Style(sizeOption, colourOption);
        MeasureDigit(target, metrics);
    }
    // The sign, and the step after it measured on the sign itself.
    void Sign(const LabelStyle& style, int sign) {
        Style(style.signSize, style.signColour);
        const std::string glyph = SignGlyph(sign);
        Print(glyph);
        MeasureSign(target, metrics, glyph);
    }
};

// From the glyph inward: degree, sign, minute.
void LabelOrderAParts(LabelPen& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
    pen.Step(pen.metrics.glyphWidth, pen.metrics.glyphHeight);
    pen.NumberStyle(style.degreeSize, style.degreeColour);
    pen.Print(DigitGlyph(parts.degree / 10));
    pen.DigitStep();
    pen.Print(DigitGlyph(parts.degree % 10));
    pen.DigitStep();
    pen.Sign(style, parts.sign);
    if (style.minutes) {
        pen.DigitStep();
        pen.NumberStyle(style.minuteSize, style.minuteColour);
        pen.Print(DigitGlyph(parts.minute / 10));
        pen.DigitStep(style.minuteLift);
        pen.Print(DigitGlyph(parts.minute % 10));
    }
    pen.DigitStep(style.minutes ? style.minuteLift : 0);
}

// From the glyph inward: minute, sign, degree, each number units first, so
// that the label still reads degree, sign, minute from left to right.
void LabelOrderBParts(LabelPen& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
    if (style.minutes) {
        pen.NumberStyle(style.minuteSize, style.minuteColour);
        pen.DigitStep(style.minuteLift);
        pen.Print(DigitGlyph(parts.minute % 10));
        pen.DigitStep(style.minuteLift);
        pen.Print(DigitGlyph(parts.minute / 10));
        pen.DigitStep(style.minuteLift);
    } else {
        pen.NumberStyle(style.degreeSize, style.degreeColour);
        pen.DigitStep();
    }
    pen.Sign(style, parts.sign);
    pen.DigitStep();
    pen.NumberStyle(style.degreeSize, style.degreeColour);
    pen.Print(DigitGlyph(parts.degree % 10));
    pen.DigitStep();
    pen.Print(DigitGlyph(parts.degree / 10));
    pen.DigitStep();
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

GlyphMetrics MeasureGlyphMetrics(WheelTarget& target) {
    const bool screen = target.surface == WheelSurface::Screen;
    const std::string glyph = GlyphText(kReferenceGlyph);
    GlyphMetrics m;
    m.glyphWidth =
        WholeUnits(target.canvas.TextWidth(glyph) +
                   target.options(screen ? opt::ScreenGlyphSpacingX : opt::PrinterGlyphSpacingX));
    m.glyphHeight =
        WholeUnits(target.canvas.TextHeight(glyph) +
                   target.options(screen ? opt::ScreenGlyphSpacingY : opt::PrinterGlyphSpacingY));
    MeasureDigit(target, m);
    return m;
}

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
                     const std::string& marks, GlyphMetrics& metrics) {
    const LabelStyle style = LabelStyleOf(target, state);
    const double a = placed.angleDegrees;
    LabelPen pen{target,
                 metrics,
                 placed.radius * CosDeg(a),
                 placed.radius * SinDeg(a),
                 CosDeg(a),
                 SinDeg(a),
                 target.surface == WheelSurface::Screen ? 0.75 : 0.8};
    pen.colour = SurfaceColour(target, opt::ScreenPointGlyphColour, opt::PrinterPointGlyphColour);
    target.canvas.SetForeColour(pen.colour);
    SetGlyphFont(target, PointGlyphSize(target, state));
    pen.Print(PointGlyph(placed.point));

    const DegreeSignMinute parts = LabelParts(placed.longitude);
    if (LabelOrderA(target, state, placed)) {
        LabelOrderAParts(pen, style, parts);
    } else {
        LabelOrderBParts(pen, style, parts);
    }

    if (placed.point <= kBodyCount && static_cast<std::size_t>(placed.point) <= marks.size() &&
        marks[placed.point - 1] == 'R') {
        const int previous = pen.colour;
        pen.Style(style.markSize, style.markColour);
        pen.Print(GlyphText(kRetrogradeCode));
        target.canvas.SetForeColour(previous);
    }
}

}  // namespace solvaris
