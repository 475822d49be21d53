// The points a chart shows beyond its fifteen when the user turns them on:
// Black Moon Lilith (mean and true), Chiron, and with Swiss Ephemeris's
// asteroid files Ceres, Pallas, Juno and Vesta.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/chart_point.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

enum class ExtraPoint { MeanLilith, TrueLilith, Chiron, Ceres, Pallas, Juno, Vesta };
inline constexpr int kExtraPointCount = 7;

// The number an extra point takes after the fifteen chart points, where the
// wheel and the timeline number both: 16 mean Lilith, 17 true Lilith, 18
// Chiron, 19 Ceres ... 22 Vesta, in ExtraPoint order.
inline constexpr int kFirstExtraPointNumber = kPointCount + 1;
inline constexpr int PointNumberOf(ExtraPoint point) {
    return kFirstExtraPointNumber + static_cast<int>(point);
}
inline constexpr ExtraPoint ExtraPointOfNumber(int number) {
    return static_cast<ExtraPoint>(number - kFirstExtraPointNumber);
}

struct ExtraPointName {
    ExtraPoint point;
    std::string_view reportName;  // 10 characters, as the chart points' report names
    std::string_view listName;    // the positions file's and the reports' name
    std::string_view word;        // the chart JSON's key
};

std::span<const ExtraPointName> ExtraPointNames();
const ExtraPointName& NameOf(ExtraPoint point);

struct ExtraPlace {
    ExtraPoint point;
    double longitude;  // degrees 0 <= lon < 360, tropical, of date
    double latitude;   // degrees
    double nextDayLongitude;
    double declination;     // degrees, with the engine's obliquity of the instant
    double rightAscension;  // degrees 0 <= ra < 360
};

// The extra points at the Julian day `jd` (UT) that can be computed there,
// in ExtraPoint order:
// - mean Lilith: the mean lunar apogee (built-in), or Swiss Ephemeris's;
// - true Lilith: Swiss Ephemeris's osculating apogee, in its analytical mode
//   with the built-in engine, whose lunar theory gives no distance;
// - Chiron: with Swiss Ephemeris its own from its asteroid file where it has
//   one, else (and always with the built-in engine) the integrated orbit
//   (1800 to 2300);
// - Ceres, Pallas, Juno, Vesta: Swiss Ephemeris's only, where the library
//   finds its asteroid file (in the folder named, or its own, which Debian's
//   swe-basic-data fills).
std::vector<ExtraPlace> ExtraPointsAt(const Ephemeris& ephemeris, double jd);

// One extra point's longitude at `jd` (UT), tropical, of date, as
// ExtraPointsAt computes it: the timeline follows a single point many times.
// Nothing where it cannot be computed there.
std::optional<double> ExtraPointLongitude(const Ephemeris& ephemeris, ExtraPoint point, double jd);

}  // namespace solvaris
