// The Kepler-orbit pipeline shared by every planet: Kepler's equation, the
// position in the orbit, heliocentric ecliptic coordinates and the
// reduction to the geocentre.
#pragma once

namespace solvaris {

inline constexpr double kAstronomicalUnitKm = 149597870;

struct Heliocentric {
    double longitude;  // degrees, not normalised
    double latitude;   // degrees
    double radius;     // same unit as the semi-major axis
};

struct Geocentric {
    double longitude;  // degrees 0 <= lon < 360 (before the driver's additions)
    double latitude;   // degrees
};

// The Earth seen from the Sun; each theory's loop computes its own Earth
// first and reduces its planets with it. Its rectangular coordinates are
// taken once, not again for every planet.
struct EarthState {
    double longitude = 0;
    double latitude = 0;
    double radius = 0;
    double x = 0;
    double y = 0;
    double z = 0;
};

struct OrbitalElements {
    double semiMajorAxisKm;
    double eccentricity;
    double inclinationDeg;
    double nodeDeg;        // longitude of the ascending node
    double perihelionArg;  // argument of perihelion, degrees
    double meanAnomalyDeg;
};

// Eccentric anomaly (degrees) by Newton's method until two iterates agree
// within 1e-7 degree.
double SolveKepler(double meanAnomalyDeg, double eccentricity);

Heliocentric SolveOrbit(const OrbitalElements& elements);

Geocentric HelioToGeo(const Heliocentric& planet, const EarthState& earth);

EarthState EarthFrom(const Heliocentric& h);

}  // namespace solvaris
