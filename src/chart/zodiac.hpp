// The zodiac of a chart: the one the options choose (options 219 to 222),
// and tropical longitudes and cusps carried into it.
#pragma once

#include "base/options.hpp"
#include "chart/chart_store.hpp"
#include "chart/house_formulas.hpp"
#include "chart/house_system.hpp"
#include "engine/ayanamsa.hpp"

namespace solvaris {

Zodiac ChosenZodiac(const OptionTable& options);

// Tropical longitudes less the ayanamsa; an ayanamsa of 0 (the tropical
// zodiac) leaves them as they are, bit for bit.
PointArray InZodiac(const PointArray& longitude, double ayanamsa);
double InZodiac(double longitude, double ayanamsa);

// The cusps in the zodiac of the ayanamsa: whole signs counted from the sign
// of the Ascendant in that zodiac, the other systems' cusps shifted with the
// points. `in` holds the tropical angles.
CuspSet CuspsInZodiac(HouseSystem system, const CuspInputs& in, double ayanamsa);

// The extra points at the Julian day `jd` (UT), their longitudes (and those
// a day later) in the zodiac.
std::vector<ExtraPlace> ExtraPointsInZodiac(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                            double jd);

}  // namespace solvaris
