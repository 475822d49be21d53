// Jupiter to Neptune from cubic mean elements with their perturbations, and
// Pluto through its series; all reduced with the Earth of the same theory.
#pragma once

#include "engine/inner_planets.hpp"

namespace solvaris {

struct OuterPlanetResult {
    Heliocentric helio;
    Geocentric geo;
    double extraLongitudeDeg;  // X of Uranus and Neptune, 0 otherwise
};

// The unperturbed elements of index 1 (Earth) or 5 to 8 at T; the mean
// anomaly is L - (w + node), normalised (plus 180 for the Earth).
OrbitalElements OuterMeanElements(int index, double t);

// Index 1 (the Earth, from the Sun's elements) sets `earth`; 5 Jupiter,
// 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto are reduced with it.
OuterPlanetResult OuterPlanet(int index, double t, EarthState& earth);

}  // namespace solvaris
