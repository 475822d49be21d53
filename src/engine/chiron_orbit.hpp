// Chiron without an ephemeris file: its orbit integrated under the Sun and
// the four giant planets from one osculating state, and its apparent
// geocentric place of date.
#pragma once

#include <optional>

namespace solvaris {

// The years the integrated orbit is offered for: Chiron's orbit is chaotic
// (close passes by Saturn), and beyond these a single state carries too far.
inline constexpr double kChironFirstJd = 2378496.5;  // 1800 January 1
inline constexpr double kChironLastJd = 2561117.5;   // 2300 January 1

struct ChironPlace {
    double longitude;  // degrees 0 <= lon < 360, ecliptic and equinox of date
    double latitude;   // degrees
};

// Chiron's apparent geocentric place at the Julian day `jd` (light time,
// aberration and nutation included; the instant taken as TT, as the
// built-in theories take it); nothing outside kChironFirstJd ...
// kChironLastJd. Safe to call from several threads at once.
std::optional<ChironPlace> ChironApparentPlace(double jd);

}  // namespace solvaris
