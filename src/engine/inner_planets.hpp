// Mercury, Venus and Mars from mean elements linear in T2000.
#pragma once

#include "engine/orbit.hpp"

namespace solvaris {

struct PlanetResult {
    Heliocentric helio;
    Geocentric geo;
};

// Index 1 (the Earth) sets `earth` and returns its heliocentric position;
// 2 Mercury, 3 Venus, 4 Mars are reduced with that Earth.
PlanetResult InnerPlanet(int index, double t2000, EarthState& earth);

}  // namespace solvaris
