// The aspect vocabulary: codes, the 12-character names of the reports and
// the angles the grids print. Code 1 is no aspect; code 17, the septile, is
// found only by the aspect grids and never written as text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace solvaris {

enum AspectCode : int {
    NoAspect = 1,
    Conjunction = 2,
    Sextile = 3,
    Square = 4,
    Trine = 5,
    Opposition = 6,
    Parallel = 7,
    SemiSextile = 8,
    SemiSquare = 9,
    Sesquisquare = 10,
    Quincunx = 11,
    SemiQuintile = 12,
    Nonagen = 13,
    Quintile = 14,
    Trecile = 15,
    BiQuintile = 16,
    Septile = 17,
};

// Sixteen 12-character fields; field k is characters 12k - 11 to 12k.
inline constexpr std::string_view kAspectNames =
    "            Conjunct    Sextile     Square      Trine       Opposite    "
    "PARALLEL    S.Sextile   S.Square    Ses.Square  Quincunx    S.Quintile  "
    "Nonagen     Quintile    Trecile     BiQuintile  ";

// The 12-character field of code 1 to 16.
inline constexpr std::string_view AspectName(int code) {
    return kAspectNames.substr(12 * static_cast<std::size_t>(code - 1), 12);
}

// The name without its trailing blanks ("Ses.Square"): the interpretation
// files' aspect word.
inline constexpr std::string_view AspectWord(int code) {
    const std::string_view name = AspectName(code);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

// Indexed by code; the grids print these (0 for the conjunction and the
// parallel).
inline constexpr std::array<std::int16_t, 17> kAspectAngles{0,  0,   0,   60, 90, 120, 180, 0,  30,
                                                            45, 135, 150, 36, 40, 72,  108, 144};

inline constexpr double kSeptileDegrees = 360.0 / 7.0;

}  // namespace solvaris
