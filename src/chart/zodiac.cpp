#include "chart/zodiac.hpp"

#include <cmath>

#include "base/option_numbers.hpp"
#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"

namespace solvaris {

Zodiac ChosenZodiac(const OptionTable& options) {
    Zodiac zodiac;
    zodiac.sidereal = options(opt::Zodiac) == 1;
    const float ayanamsa = options(opt::Ayanamsa);
    // A value outside the list reads as the first ayanamsa.
    const bool listed = ayanamsa >= 0 && ayanamsa <= static_cast<float>(Ayanamsa::User) &&
                        ayanamsa == std::floor(ayanamsa);
    zodiac.ayanamsa = listed ? static_cast<Ayanamsa>(static_cast<int>(ayanamsa)) : Ayanamsa::Lahiri;
    zodiac.userDeg = options(opt::UserAyanamsaDeg);
    const float epochYear = options(opt::UserAyanamsaEpochYear);
    zodiac.userEpochJd = JulianEpochJd(epochYear == 0 ? 2000 : epochYear);
    return zodiac;
}

PointArray InZodiac(const PointArray& longitude, double ayanamsa) {
    if (ayanamsa == 0) {
        return longitude;
    }
    PointArray shifted = longitude;
    for (int p = Sun; p <= kPointCount; ++p) {
        shifted[p] = Normalize360(longitude[p] - ayanamsa);
    }
    return shifted;
}

double InZodiac(double longitude, double ayanamsa) {
    return ayanamsa == 0 ? longitude : Normalize360(longitude - ayanamsa);
}

CuspSet CuspsInZodiac(HouseSystem system, const CuspInputs& in, double ayanamsa) {
    if (ayanamsa == 0) {
        return ComputeCusps(system, in);
    }
    if (system == HouseSystem::WholeSign) {
        CuspInputs shifted = in;
        shifted.ascendant = InZodiac(in.ascendant, ayanamsa);
        shifted.midheaven = InZodiac(in.midheaven, ayanamsa);
        return ComputeCusps(system, shifted);
    }
    CuspSet cusps = ComputeCusps(system, in);
    for (int k = 1; k <= kCuspCount; ++k) {
        cusps[k] = Normalize360(cusps[k] - ayanamsa);
    }
    return cusps;
}

std::vector<ExtraPlace> ExtraPointsInZodiac(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                            double jd) {
    std::vector<ExtraPlace> places = ExtraPointsAt(ephemeris, jd);
    const double ayanamsa = AyanamsaDeg(zodiac, ephemeris, jd);
    const double nextAyanamsa = AyanamsaDeg(zodiac, ephemeris, jd + 1);
    for (ExtraPlace& place : places) {
        place.longitude = InZodiac(place.longitude, ayanamsa);
        place.nextDayLongitude = InZodiac(place.nextDayLongitude, nextAyanamsa);
    }
    return places;
}

}  // namespace solvaris
