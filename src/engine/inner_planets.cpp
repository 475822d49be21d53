#include "engine/inner_planets.hpp"

#include <array>

namespace solvaris {

namespace {

struct InnerElementRow {
    double a;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double perihelion, perihelionRate;  // longitude of perihelion
    double m, mRate;
};

// Index 1 Earth, 2 Mercury, 3 Venus, 4 Mars; rates per Julian century T2000.
constexpr std::array<InnerElementRow, 5> kInnerElements{{
    {},
    {1.000000031, 0.016709, -0.000042, 0, 0, 0, 0, 102.94, 1.7192, 357.5256, 35999.0498},
    {0.387099, 0.205634, 0.00002, 7.0048, 0.0019, 48.331, 1.185, 77.4552, 1.5555, 174.7947,
     149472.5153},
    {0.723332, 0.006773, -0.000048, 3.3946, 0.001, 76.68, 0.9, 131.5718, 1.408, 50.4071,
     58517.8039},
    {1.523692, 0.093405, 0.000092, 1.8496, -0.0007, 49.557, 0.771, 336.059, 1.8408, 19.3879,
     19139.8585},
}};

}  // namespace

PlanetResult InnerPlanet(int index, double t2000, EarthState& earth) {
    const InnerElementRow& row = kInnerElements[index];
    const double node = row.node + row.nodeRate * t2000;
    // The mean anomaly is left unreduced: Kepler's equation is periodic in it.
    const OrbitalElements elements{
        row.a * kAstronomicalUnitKm,
        row.e + row.eRate * t2000,
        row.i + row.iRate * t2000,
        node,
        row.perihelion + row.perihelionRate * t2000 - node,
        row.m + row.mRate * t2000,
    };
    const Heliocentric helio = SolveOrbit(elements);
    if (index == 1) {
        earth = EarthFrom(helio);
        return {helio, {}};
    }
    return {helio, HelioToGeo(helio, earth)};
}

}  // namespace solvaris
