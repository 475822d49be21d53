// One point of a ring: its glyph, then a label of degree, sign and minute
// running from the glyph toward the centre, and its retrograde mark. The
// label reads degree, sign, minute from left to right: on the left of the
// wheel it is printed outward-in, on the right inward-out; near the
// Midheaven's line, where it runs down the page, it reads the same way on
// both sides of the line.
#pragma once

#include <string>
#include <vector>

#include "platform/printed_box.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// Degree (0-29), sign (1-12) and minute of a longitude: the minute is
// rounded but never carries into the degree (10 degrees 59.7 minutes shows
// 10 and 59).
struct DegreeSignMinute {
    int degree;
    int sign;
    int minute;
};
DegreeSignMinute LabelParts(double longitude);

// The glyph font size of the ring points on this surface and layout.
float PointGlyphSize(const WheelTarget& target, const WheelState& state);

// The box of one part of a label: the surface's measure of the text plus
// the spacing options of its kind (glyphs, signs and the mark; digits),
// which the steps between parts keep, and the text's own measure.
struct PartBox {
    double width = 0;
    double height = 0;
    double textWidth = 0;
    double textHeight = 0;
};

// One part of a point's label (the glyph first): its text, font size,
// colour option and box, and what is taken off the height of the step
// before it. Measured once, a label is laid out at any angle by
// arithmetic alone, so that placement can try many angles without drawing.
struct PointLabelPart {
    std::string text;
    double size;
    int colourOption;
    PartBox box;
    double lift;
};

// The parts of the placed point's label, measured on the surface.
std::vector<PointLabelPart> MeasureLabel(WheelTarget& target, const WheelState& state,
                                         const PlacedPoint& placed, const std::string& marks);

// Where each part's box lies with the glyph anchored at that angle and
// radius, in wheel units, as DrawPlacedPoint prints it.
std::vector<PrintedBox> LabelBoxesAt(const WheelTarget& target,
                                     const std::vector<PointLabelPart>& parts, double angleDegrees,
                                     double radius);

// Draws one placed point of a ring whose retrograde marks are `marks`.
// Every part of the label (glyph, digits, sign, mark) is boxed by the
// surface's measure of that very text plus the spacing options, and each
// step toward the centre is the shortest that takes the next box clear of
// the one before, across or (by the vertical factor of a line) down: a
// sign wider than a digit never covers a digit beside it.
void DrawPlacedPoint(WheelTarget& target, const WheelState& state, const PlacedPoint& placed,
                     const std::string& marks);

}  // namespace solvaris
