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
        const double next = e + (meanAnomalyDeg - e + eccentricityDeg * SinDeg(e)) /
                                    (1 - eccentricity * CosDeg(e));
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
        2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(PI * eccentricAnomaly / 360))));
    const double radius = el.semiMajorAxisKm * (1 - e * CosDeg(eccentricAnomaly));
    const double u = el.perihelionArg + trueAnomaly;
    const Spherical s = RectToSpherical(CosDeg(u), SinDeg(u) * CosDeg(el.inclinationDeg),
                                        SinDeg(u) * SinDeg(el.inclinationDeg));
    return {s.longitude + el.nodeDeg, s.latitude, radius};
}

Geocentric HelioToGeo(const Heliocentric& p, const EarthState& earth) {
    const double x = p.radius * CosDeg(p.latitude) * CosDeg(p.longitude) -
                     earth.radius * CosDeg(earth.latitude) * CosDeg(earth.longitude);
    const double y = p.radius * CosDeg(p.latitude) * SinDeg(p.longitude) -
                     earth.radius * CosDeg(earth.latitude) * SinDeg(earth.longitude);
    const double z = p.radius * SinDeg(p.latitude) - earth.radius * SinDeg(earth.latitude);
    const Spherical s = RectToSpherical(x, y, z);
    return {s.longitude, s.latitude};
}

}  // namespace solvaris
