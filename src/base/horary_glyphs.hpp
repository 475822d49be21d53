// The 8-bit codes of the glyph font "HORARY" and the Unicode astrological
// symbols they stand for: 223 + chart point (1-15, and on from 16 the extra
// points), 191 + sign, 159 + aspect code, 177 contra-parallel, 156
// retrograde; every other code is itself.
#pragma once

#include <string>
#include <string_view>

namespace solvaris {

inline constexpr unsigned char kRetrogradeCode = 156;
// The fifteen chart points, then mean and true Lilith, Chiron, Ceres,
// Pallas, Juno and Vesta.
inline constexpr int kGlyphPointCount = 22;
inline constexpr unsigned char kContraParallelCode = 177;

inline constexpr unsigned char PointGlyphCode(int point) {
    return static_cast<unsigned char>(223 + point);
}
inline constexpr unsigned char SignGlyphCode(int sign) {
    return static_cast<unsigned char>(191 + sign);
}
inline constexpr unsigned char AspectGlyphCode(int code) {
    return static_cast<unsigned char>(159 + code);
}

// The symbol of a glyph code in UTF-8; empty when the code is no glyph.
std::string_view GlyphSymbol(unsigned char code);

// A glyph-font text in UTF-8: glyph codes become their symbols, the rest
// (blanks, digits, line ends) stays.
std::string GlyphTextToUnicode(std::string_view text);

}  // namespace solvaris
