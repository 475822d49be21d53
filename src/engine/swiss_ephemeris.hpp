// The calls into Swiss Ephemeris: apparent geocentric positions of date
// (light time, aberration, nutation), universal time with its own Delta T,
// from its files or its analytical (Moshier) mode.
#pragma once

#include <optional>
#include <string>

#include "engine/ayanamsa.hpp"
#include "engine/chart_point.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

// The flags of every call: the source, nothing else (apparent, geocentric,
// true equinox and ecliptic of date).
int SwissFlags(const Ephemeris& ephemeris);

// Swiss Ephemeris's body number of chart point 1-11 (the north node is its
// mean node).
int SwissBody(int point);

// The ten bodies (1-10) and both nodes at one instant. A failed call leaves
// NaN where its values would be, which the callers treat as a fault.
struct SwissBodies {
    PointArray longitude{};
    PointArray latitude{};
    double meanNode = 0;
    double trueNode = 0;
};
SwissBodies SwissBodiesAt(const Ephemeris& ephemeris, double jdUt);

// One point's longitude (1-11), NaN when the call fails.
double SwissLongitude(const Ephemeris& ephemeris, int point, double jdUt);

// The points beyond the chart's fifteen that the library computes: the
// lunar apogees (Black Moon Lilith) and the minor bodies, which it reads
// only from its asteroid files (seas_*.se1).
enum class SwissMinorBody { MeanApogee, OsculatingApogee, Chiron, Ceres, Pallas, Juno, Vesta };

struct SwissPlace {
    double longitude;
    double latitude;
};

// Its apparent place of date, nothing when the call fails (a minor body
// without its file, or in the analytical mode).
std::optional<SwissPlace> SwissMinorBodyAt(const Ephemeris& ephemeris, SwissMinorBody body,
                                           double jdUt);

// Apparent Greenwich sidereal time and true obliquity, in degrees.
struct SwissEarthFrame {
    double siderealTime;
    double obliquity;
};
SwissEarthFrame SwissFrameAt(const Ephemeris& ephemeris, double jdUt);

// The library's own ayanamsa of the zodiac at an instant (UT), in degrees,
// with or without the nutation in longitude; NaN when the call fails.
enum class SwissNutation { Included, Left };
double SwissAyanamsaAt(const Ephemeris& ephemeris, const Zodiac& zodiac, double jdUt,
                       SwissNutation nutation);

// "2.10": the library's major and minor version.
std::string SwissVersion();

}  // namespace solvaris
