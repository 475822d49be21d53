#include "wheel/point_label.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "reports/position_format.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

bool TripleSmallPrint(const WheelTarget& target, const WheelState& state) {
    return target.surface == WheelSurface::Printer && state.layout == WheelLayout::Triple &&
           target.options(opt::PrintedTripleWithoutHouseNumbers) != 0;
}

PartBox MeasurePart(WheelTarget& target, const std::string& text, bool digit) {
    const bool screen = target.surface == WheelSurface::Screen;
    const int spacingX = digit ? (screen ? opt::ScreenDigitSpacingX : opt::PrinterDigitSpacingX)
                               : (screen ? opt::ScreenGlyphSpacingX : opt::PrinterGlyphSpacingX);
    const int spacingY = digit ? (screen ? opt::ScreenDigitSpacingY : opt::PrinterDigitSpacingY)
                               : (screen ? opt::ScreenGlyphSpacingY : opt::PrinterGlyphSpacingY);
    const auto measured = [](double value) {
        return std::isfinite(value) ? std::max(0.0, value) : 0.0;
    };
    const double width = target.canvas.TextWidth(text);
    const double height = target.canvas.TextHeight(text);
    return {measured(width + target.options(spacingX)), measured(height + target.options(spacingY)),
            measured(width), measured(height)};
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
                     state.layout != WheelLayout::Triple,
                     0};
    // Large minute digits step less far down so that they keep to the ring.
    if (target.options(screen ? opt::ScreenLabelMinuteSize : opt::PrinterLabelMinuteSize) >=
        target.options(screen ? opt::ScreenLargeMinutes : opt::PrinterLargeMinutes)) {
        style.minuteLift = target.options(screen ? opt::ScreenMinuteLift : opt::PrinterMinuteLift);
    }
    return style;
}

struct PartCollector {
    WheelTarget& target;
    std::vector<PointLabelPart>& parts;

    void Part(const std::string& text, bool digit, int sizeOption, int colourOption,
              double lift = 0) {
        const double size = target.options(sizeOption);
        SetGlyphFont(target, size);
        parts.push_back({text, size, colourOption, MeasurePart(target, text, digit), lift});
    }
    void Digit(int digit, int sizeOption, int colourOption, double lift = 0) {
        Part(DigitGlyph(digit), true, sizeOption, colourOption, lift);
    }
};

// The label moves toward the centre along the glyph's direction, each step
// just far enough that the next part's box clears the last one's, either
// across or down/up by the line's vertical factor of the box above (a part
// under another shares no line with it).
double StepLength(const PartBox& last, const PartBox& next, double lift, double dx, double dy,
                  double verticalFactor) {
    constexpr double kAlong = 1e-9;
    constexpr double kNever = 1e12;
    // Leftward the next box must end where the last begins; rightward it
    // begins where the last ends. Downward it starts below the last box;
    // upward the last starts below it.
    const double across = dx < -kAlong ? next.width / -dx : dx > kAlong ? last.width / dx : kNever;
    const double clearDown = verticalFactor * std::max(0.0, last.height - lift);
    const double clearUp = verticalFactor * std::max(0.0, next.height - lift);
    const double down = dy < -kAlong ? clearDown / -dy : dy > kAlong ? clearUp / dy : kNever;
    return std::min(across, down);
}

// From the glyph inward: degree, sign, minute.
void LabelOrderAParts(PartCollector& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
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
void LabelOrderBParts(PartCollector& pen, const LabelStyle& style, const DegreeSignMinute& parts) {
    if (style.minutes) {
        pen.Digit(parts.minute % 10, style.minuteSize, style.minuteColour, style.minuteLift);
        pen.Digit(parts.minute / 10, style.minuteSize, style.minuteColour, style.minuteLift);
    }
    pen.Part(SignGlyph(parts.sign), false, style.signSize, style.signColour);
    pen.Digit(parts.degree % 10, style.degreeSize, style.degreeColour);
    pen.Digit(parts.degree / 10, style.degreeSize, style.degreeColour);
}

// A label near the Midheaven's line runs down (or up) the page and is read
// as a column, the same way on both sides of the line: above the centre
// top-down (order A); below it top-down (order B), or from the outside in
// (order A) when option 28 is not 0 in an American wheel. Elsewhere it
// reads left to right: order A on the left, order B on the right; in an
// American wheel the left is the houses before L and after L + 5 (L = 3
// when option 28 is 0, else 4). The American wheel's columns are its
// houses 9 and 10, 3 and 4, which keep a point while the ring spreads; the
// European wheel's are the 30 degrees either side of the vertical.
bool LabelOrderA(const WheelTarget& target, const WheelState& state, const PlacedPoint& placed) {
    const bool outsideIn = target.options(opt::LabelOrder) != 0;
    if (!IsEuropeanSingle(state)) {
        const int h = placed.house;
        if (h == 3 || h == 4) {
            return outsideIn;
        }
        const int side = outsideIn ? 4 : 3;
        return h == 9 || h < side || h > side + 5;
    }
    constexpr double kColumnDegrees = 30;
    const double a = std::fmod(std::fmod(placed.angleDegrees, 360.0) + 360.0, 360.0);
    return a >= 90 - kColumnDegrees && a < 270 - kColumnDegrees;
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

std::vector<PointLabelPart> MeasureLabel(WheelTarget& target, const WheelState& state,
                                         const PlacedPoint& placed, const std::string& marks) {
    const LabelStyle style = LabelStyleOf(target, state);
    std::vector<PointLabelPart> parts;
    PartCollector pen{target, parts};
    const double glyphSize = PointGlyphSize(target, state);
    SetGlyphFont(target, glyphSize);
    const std::string glyph = PointGlyph(placed.point);
    parts.push_back({glyph, glyphSize,
                     target.surface == WheelSurface::Screen ? opt::ScreenPointGlyphColour
                                                            : opt::PrinterPointGlyphColour,
                     MeasurePart(target, glyph, false), 0});
    const DegreeSignMinute label = LabelParts(placed.longitude);
    if (LabelOrderA(target, state, placed)) {
        LabelOrderAParts(pen, style, label);
    } else {
        LabelOrderBParts(pen, style, label);
    }
    const bool bodyBackward = placed.point <= kBodyCount &&
                              static_cast<std::size_t>(placed.point) <= marks.size() &&
                              marks[placed.point - 1] == 'R';
    if (bodyBackward || placed.retrograde) {
        pen.Part(GlyphText(kRetrogradeCode), false, style.markSize, style.markColour);
    }
    return parts;
}

std::vector<PrintedBox> LabelBoxesAt(const WheelTarget& target,
                                     const std::vector<PointLabelPart>& parts, double angleDegrees,
                                     double radius) {
    const double verticalFactor = target.surface == WheelSurface::Screen ? 0.75 : 0.8;
    const double dx = -CosDeg(angleDegrees);
    const double dy = -SinDeg(angleDegrees);
    double x = radius * -dx;
    double y = radius * -dy;
    std::vector<PrintedBox> boxes;
    boxes.reserve(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            const double step =
                StepLength(parts[i - 1].box, parts[i].box, parts[i].lift, dx, dy, verticalFactor);
            x += step * dx;
            y += step * dy;
        }
        PrintedBox box;
        box.left = x;
        box.top = y;
        box.right = x + parts[i].box.textWidth;
        box.bottom = y - parts[i].box.textHeight;
        box.text = parts[i].text;
        box.glyphFont = true;
        boxes.push_back(std::move(box));
    }
    return boxes;
}

void DrawPlacedPoint(WheelTarget& target, const WheelState& state, const PlacedPoint& placed,
                     const std::string& marks) {
    const std::vector<PointLabelPart> parts = MeasureLabel(target, state, placed, marks);
    const std::vector<PrintedBox> boxes =
        LabelBoxesAt(target, parts, placed.angleDegrees, placed.radius);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        SetGlyphFont(target, parts[i].size);
        target.canvas.SetForeColour(PaletteColour(target.options, parts[i].colourOption));
        target.canvas.MoveTo(boxes[i].left, boxes[i].top);
        target.canvas.Print(parts[i].text);
    }
    // The colour in use before the retrograde mark comes back after it.
    if (parts.size() > 1 && parts.back().text == GlyphText(kRetrogradeCode)) {
        target.canvas.SetForeColour(
            PaletteColour(target.options, parts[parts.size() - 2].colourOption));
    }
}

}  // namespace solvaris
