// The cusp formulas of the house systems, each from the sidereal time,
// obliquity, latitude and angles of the moment.
#pragma once

#include <array>

namespace solvaris {

// Cusps of houses 1-12, index 0 unused, before they go to slot order.
using HouseCusps = std::array<double, 13>;

struct CuspInputs {
    double ramc;       // degrees
    double obliquity;  // degrees
    double latitude;   // degrees, north positive
    double ascendant;  // degrees
    double midheaven;  // degrees
};

HouseCusps PlacidusCusps(const CuspInputs& in);
HouseCusps KochCusps(const CuspInputs& in);
HouseCusps RegiomontanusCusps(const CuspInputs& in);
HouseCusps CampanusCusps(const CuspInputs& in);
HouseCusps PorphyryCusps(const CuspInputs& in);
HouseCusps EqualAscendantCusps(const CuspInputs& in);
HouseCusps EqualMidheavenCusps(const CuspInputs& in);
HouseCusps MeridianCusps(const CuspInputs& in);
HouseCusps MorinusCusps(const CuspInputs& in);
// Each house a whole sign, the first the Ascendant's.
HouseCusps WholeSignCusps(const CuspInputs& in);

}  // namespace solvaris
