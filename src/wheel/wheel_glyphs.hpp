// The glyph-font texts the wheel prints, one character each.
#pragma once

#include <string>

#include "base/horary_glyphs.hpp"

namespace solvaris {

inline std::string GlyphText(int code) { return std::string(1, static_cast<char>(code)); }
// Chart point 1-15.
inline std::string PointGlyph(int point) { return GlyphText(PointGlyphCode(point)); }
// Sign 1 (Aries) to 12 (Pisces).
inline std::string SignGlyph(int sign) { return GlyphText(SignGlyphCode(sign)); }
inline std::string DigitGlyph(int digit) { return GlyphText('0' + digit); }

}  // namespace solvaris
