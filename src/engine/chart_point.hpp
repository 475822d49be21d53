// The fifteen chart points, always in this order, and their names. Every
// position array is indexed 1 to 15; index 0 exists and is never used.
#pragma once

#include <array>
#include <string_view>

namespace solvaris {

enum ChartPoint : int {
    Sun = 1,
    Mercury = 2,
    Venus = 3,
    Mars = 4,
    Jupiter = 5,
    Saturn = 6,
    Uranus = 7,
    Neptune = 8,
    Pluto = 9,
    Moon = 10,
    NorthNode = 11,
    SouthNode = 12,
    PartOfFortune = 13,
    Ascendant = 14,
    Midheaven = 15,
};

inline constexpr int kPointCount = 15;
// The bodies that have latitudes, motions and marks: Sun to Pluto and Moon.
inline constexpr int kBodyCount = 10;

using PointArray = std::array<double, kPointCount + 1>;

// Fifteen 10-character fields.
inline constexpr std::string_view kReportNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    "
    "NEPTUNE   PLUTO     MOON      N. NODE   S. NODE   P. OF F.  ASC       MC        ";

// Fifteen 5-character fields; the last has no trailing blanks.
inline constexpr std::string_view kShortNames =
    "SUN  MER  VEN  MAR  JUP  SAT  URA  NEP  PLU  MOO  N.N  S.N  P.F  ASC   MC";

// The list names the aspect reports use.
inline constexpr std::array<std::string_view, kPointCount + 1> kPointListNames{
    "",        "SUN",   "MERCURY", "VENUS",   "MARS",    "JUPITER", "SATURN", "URANUS",
    "NEPTUNE", "PLUTO", "MOON",    "N. NODE", "S. NODE", "PART F.", "ASC",    "MC "};

// The 10-character report name of point p, blanks included.
inline constexpr std::string_view ReportName(int p) {
    return kReportNames.substr(10 * (p - 1), 10);
}

// The 5-character short name of point p (the Midheaven's is " MC").
inline constexpr std::string_view ShortName(int p) {
    return p == kPointCount ? kShortNames.substr(70) : kShortNames.substr(5 * (p - 1), 5);
}

inline constexpr std::string_view kSignAbbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
inline constexpr std::string_view kMonthAbbreviations = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

// Sign number 1 (Aries) to 12 (Pisces) of a longitude 0 <= lon < 360.
inline constexpr int SignNumber(double longitude) { return static_cast<int>(longitude / 30) + 1; }

inline constexpr std::string_view SignAbbreviation(int sign) {
    return kSignAbbreviations.substr(3 * (sign - 1), 3);
}
inline constexpr std::string_view MonthAbbreviation(int month) {
    return kMonthAbbreviations.substr(3 * (month - 1), 3);
}

}  // namespace solvaris
