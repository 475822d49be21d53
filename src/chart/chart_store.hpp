// The computed horoscope: every set that one run of the chart driver leaves
// behind, read by the reports and the wheels until the next run.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/house_system.hpp"
#include "engine/ayanamsa.hpp"
#include "engine/chart_point.hpp"
#include "engine/ephemeris.hpp"
#include "engine/extra_points.hpp"

namespace solvaris {

// Which birth data and which extra steps a computation of angles and houses
// uses.
enum class ChartKind {
    Natal = 0,
    Progressed = 1,
    SolarArc = 2,
    Transit = 3,
    SolarReturn = 4,
    LunarReturn = 5,
};

struct PointSet {
    PointArray longitude{};
    PointArray declination{};
    PointArray rightAscension{};
};

inline constexpr int kCuspCount = 12;

// Twelve cusps in slot order, index 0 unused: slot k holds house
// ((k + 8) mod 12) + 1, so slot 1 is the 10th house and slot 4 the 1st.
using CuspSet = std::array<double, kCuspCount + 1>;

inline constexpr int HouseOfSlot(int slot) { return (slot + 8) % 12 + 1; }
inline constexpr int SlotOfHouse(int house) { return (house + 2) % 12 + 1; }

// Slot k is the 4-character field k.
inline constexpr std::string_view kHouseLabels =
    "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";

inline constexpr std::string_view HouseLabel(int slot) {
    return kHouseLabels.substr(4 * (slot - 1), 4);
}

// One character per point, "R" when retrograde.
inline const std::string kNoRetrogradeMarks(kPointCount, ' ');

struct ChartTexts {
    std::string retrogradeMarks = kNoRetrogradeMarks;
    std::string housePositionText;  // fifteen 10-character fields
    std::string siderealTimeText;
};

// Vertex, Equatorial Ascendant, Co-Ascendant, Polar Ascendant.
struct ExtraAngles {
    double vertex = 0;
    double equatorialAscendant = 0;
    double coAscendant = 0;
    double polarAscendant = 0;
};

struct WorkingSet {
    PointSet points;
    CuspSet cusps{};
    ChartTexts texts;
    PointArray nextDayLongitude{};
};

struct NatalSet {
    PointSet points;
    CuspSet cusps{};
    ChartTexts texts;
    double trueNodeLongitude = 0;
    double trueNodeDeclination = 0;
    // 1 Ascendant, 2 Midheaven, 3 Vertex, 4 Equatorial Ascendant,
    // 5 Co-Ascendant, 6 Polar Ascendant, 7 North Node, 8 always 0.
    std::array<double, 9> specialPoints{};
    // Lilith, Chiron and the asteroids, in the zodiac; empty unless option
    // ExtraPoints shows them.
    std::vector<ExtraPlace> extraPoints;
};

struct ProgressedSet {
    PointSet points;  // interpolated to the diurnal date
    CuspSet cusps{};  // cast for the last birthday
    ChartTexts texts;
    PointSet atBirthday;  // before interpolation
    PointSet nextYear;    // one progressed year later
    // The progressed moment of the diurnal date (UT): the last birthday's
    // progressed day and the share of the year of life gone by.
    double jd = 0;
};

struct SolarArcSet {
    float arc = 0;  // degrees
    PointArray longitude{};
    PointArray converseLongitude{};
    CuspSet cusps{};
};

struct TransitSet {
    PointSet points;
    CuspSet cusps{};
    ChartTexts texts;
    ExtraAngles extraAngles;
    double jd = 0;  // the diurnal moment, UT
};

// The outer ring of a dual or triple wheel.
struct OuterRing {
    PointArray longitude{};
    std::string retrogradeMarks = kNoRetrogradeMarks;
};

// The charts cast for a day outside the years Pluto's series holds: their
// Pluto is marked in the reports.
struct PlutoOutsideTheory {
    bool natal = false;
    bool progressed = false;
    bool transit = false;
    bool Any() const { return natal || progressed || transit; }
};

struct ChartStore {
    WorkingSet working;
    NatalSet natal;
    ProgressedSet progressed;
    SolarArcSet solarArc;
    TransitSet transit;
    OuterRing outerRing;

    ChartKind kind = ChartKind::Natal;
    // While set, a return search takes precedence over `kind`.
    bool solarReturnSearch = false;
    bool lunarReturnSearch = false;

    double diurnalDayNumber = 0;
    double natalObliquity = 0;  // degrees
    double progressedObliquity = 0;
    double transitObliquity = 0;
    double ramc = 0;  // of the last computation, degrees
    double natalRamc = 0;
    double progressedRamc = 0;
    double transitRamc = 0;
    HouseSystem houseSystem = HouseSystem::Placidus;
    PlutoOutsideTheory plutoOutsideTheory;

    // Where the lunation search starts: the transit moment's T less 31 days.
    double lunationStart = 0;
    // The day the transit interpretations report next (a Julian day number).
    double interpretationDay = 0;
    // The engine that computed these charts.
    Ephemeris ephemeris;
    // The zodiac their longitudes, cusps and angles are in, and the ayanamsa
    // of each chart's moment (degrees; 0 in the tropical zodiac).
    Zodiac zodiac;
    double natalAyanamsa = 0;
    double progressedAyanamsa = 0;
    double transitAyanamsa = 0;
};

}  // namespace solvaris
