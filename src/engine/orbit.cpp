#include "engine/orbit.hpp"

#include <cmath>

#include "engine/angles.hpp"

namespace solvaris {

namespace {
// The tabulated eccentricities converge in two or three steps; the cap only
// guards against a value that would never settle.
constexpr int kMaxKeplerIterations = 100;
}  // namespace

double SolveKepler(double meanAnomalyDeg, double eccentricity) {
    const double eccentricityDeg = eccentricity * 180 / PI;
    double e = meanAnomalyDeg;
    for (int i = 0; i < kMaxKeplerIterations; ++i) {
        const double next =
            e + (meanAnomalyDeg - e + eccentricityDeg * SinDeg(e)) / (1 - eccentricity * CosDeg(e));
        if (std::fabs(e - next) < 0.0000001) {
            return next;
        }
        e = next;
    }
    return e;
}

Heliocentric SolveOrbit(const OrbitalElements& el) {
    const double e = el.eccentricity;
    const double eccentricAnomaly = SolveKepler(el.meanAnomalyDeg, e);
    const double trueAnomaly = Normalize360(
        2 *
        RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(PI * eccentricAnomaly / 360))));
    const double radius = el.semiMajorAxisKm * (1 - e * CosDeg(eccentricAnomaly));
    const double u = el.perihelionArg + trueAnomaly;
    const double sinU = SinDeg(u);
    const Spherical s = RectToSpherical(CosDeg(u), sinU * CosDeg(el.inclinationDeg),
                                        sinU * SinDeg(el.inclinationDeg));
    return {s.longitude + el.nodeDeg, s.latitude, radius};
}

EarthState EarthFrom(const Heliocentric& h) {
    const double cosLatitude = CosDeg(h.latitude);
    return {h.longitude,
            h.latitude,
            h.radius,
            h.radius * cosLatitude * CosDeg(h.longitude),
            h.radius * cosLatitude * SinDeg(h.longitude),
            h.radius * SinDeg(h.latitude)};
}

Geocentric HelioToGeo(const Heliocentric& p, const EarthState& earth) {
    const double cosLatitude = CosDeg(p.latitude);
    const double x = p.radius * cosLatitude * CosDeg(p.longitude) - earth.x;
    const double y = p.radius * cosLatitude * SinDeg(p.longitude) - earth.y;
    const double z = p.radius * SinDeg(p.latitude) - earth.z;
    const Spherical s = RectToSpherical(x, y, z);
    return {s.longitude, s.latitude};
}

}  // namespace solvaris
