// One point of a ring: its glyph, then a label of degree, sign and minute
// running from the glyph toward the centre, and its retrograde mark. The
// label always reads degree, sign, minute from left to right: on the left
// of the wheel it is printed outward-in, on the right inward-out.
#pragma once

#include <string>

#include "wheel/ring_layout.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// The steps a label moves by, in whole wheel units: the reference glyph
// and the digit "0" in the current sizes plus the spacing options.
struct GlyphMetrics {
    int glyphWidth = 0;
    int glyphHeight = 0;
    int digitWidth = 0;
    int digitHeight = 0;
};

// Measured in the glyph font as it is set.
GlyphMetrics MeasureGlyphMetrics(WheelTarget& target);

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

// Draws one placed point of a ring whose retrograde marks are `marks`.
// `metrics` come from the paint pass; the digit sizes are measured anew for
// each part of the label and left as the last part had them.
void DrawPlacedPoint(WheelTarget& target, const WheelState& state, const PlacedPoint& placed,
                     const std::string& marks, GlyphMetrics& metrics);

}  // namespace solvaris
