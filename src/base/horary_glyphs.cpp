#include "base/horary_glyphs.hpp"

#include <array>

namespace solvaris {

namespace {

// Points 1 to 15 in chart-point order (Sun, Mercury ... Pluto, Moon, nodes,
// Part of Fortune, Ascendant, Midheaven), then the extra points. Unicode
// has one Lilith: the true (osculating) one carries a "t" so that the two
// are told apart when both stand on a wheel.
constexpr std::array<std::string_view, kGlyphPointCount> kPointSymbols{
    "\u2609",  "\u263F", "\u2640", "\u2642", "\u2643", "\u2644", "\u2645", "\u2646",
    "\u2647",  "\u263D", "\u260A", "\u260B", "\u2297", "AC",     "MC",     "\u26B8",
    "\u26B8t", "\u26B7", "\u26B3", "\u26B4", "\u26B5", "\u26B6"};

constexpr std::array<std::string_view, 12> kSignSymbols{"\u2648", "\u2649", "\u264A", "\u264B",
                                                        "\u264C", "\u264D", "\u264E", "\u264F",
                                                        "\u2650", "\u2651", "\u2652", "\u2653"};

// Aspect codes 2 to 17: conjunction, sextile, square, trine, opposition,
// parallel, semi-sextile, semi-square, sesquisquare, quincunx, and the
// minor aspects that Unicode has no symbols for, in their usual letters.
constexpr std::array<std::string_view, 16> kAspectSymbols{
    "\u260C", "\u26B9", "\u25A1", "\u25B3", "\u260D", "\u2225", "\u26BA", "\u2220",
    "\u26BC", "\u26BB", "sQ",     "N",      "Q",      "T",      "bQ",     "S"};

}  // namespace

std::string_view GlyphSymbol(unsigned char code) {
    if (code >= PointGlyphCode(1) && code <= PointGlyphCode(kGlyphPointCount)) {
        return kPointSymbols[code - PointGlyphCode(1)];
    }
    if (code >= SignGlyphCode(1) && code <= SignGlyphCode(12)) {
        return kSignSymbols[code - SignGlyphCode(1)];
    }
    if (code >= AspectGlyphCode(2) && code <= AspectGlyphCode(17)) {
        return kAspectSymbols[code - AspectGlyphCode(2)];
    }
    if (code == kContraParallelCode) {
        return "\u2226";
    }
    if (code == kRetrogradeCode) {
        return "\u211E";
    }
    return {};
}

std::string GlyphTextToUnicode(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char c : text) {
        const std::string_view symbol = GlyphSymbol(static_cast<unsigned char>(c));
        if (symbol.empty()) {
            out += c;
        } else {
            out += symbol;
        }
    }
    return out;
}

}  // namespace solvaris
