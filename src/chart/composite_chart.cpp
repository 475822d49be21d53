#include "chart/composite_chart.hpp"

#include "chart/angles.hpp"
#include "chart/house_cusps.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"

namespace solvaris {

CompositeChart ComposeCharts(const BirthChart& first, double firstLatitude,
                             const BirthChart& second, double secondLatitude,
                             HouseSystem houseSystem) {
    CompositeChart c;
    c.obliquity = (first.obliquity + second.obliquity) / 2;
    c.latitude = (firstLatitude + secondLatitude) / 2;
    c.ayanamsa = (first.ayanamsa + second.ayanamsa) / 2;
    const PointArray& a = first.set.points.longitude;
    const PointArray& b = second.set.points.longitude;
    PointArray& lon = c.points.longitude;
    for (int p = Sun; p <= kPointCount; ++p) {
        lon[p] = NearerMidpoint(a[p], b[p]);
    }
    // The angles are cast in the tropical zodiac and carried back into the
    // charts' zodiac by the mean ayanamsa.
    const double midheaven = Normalize360(lon[Midheaven] + c.ayanamsa);
    c.ramc = EclipticRightAscension(midheaven, c.obliquity);
    const double ascendant = AscendantFromRamc(c.ramc, c.obliquity, c.latitude);
    lon[Ascendant] = InZodiac(ascendant, c.ayanamsa);
    c.cusps = CuspsInZodiac(houseSystem, {c.ramc, c.obliquity, c.latitude, ascendant, midheaven},
                            c.ayanamsa);
    for (int p = Sun; p <= kPointCount; ++p) {
        const double tropical = Normalize360(lon[p] + c.ayanamsa);
        c.points.declination[p] = EclipticDeclination(tropical, c.obliquity);
        c.points.rightAscension[p] = EclipticRightAscension(tropical, c.obliquity);
    }
    c.points.rightAscension[Midheaven] = c.ramc;
    c.texts.housePositionText = std::string(10 * kPointCount, ' ');
    HousePositions(lon, c.cusps, c.texts.housePositionText);
    c.texts.siderealTimeText = SiderealTimeText(c.ramc, c.latitude);
    return c;
}

std::optional<CompositeChart> CastComposite(const TwoBirths& births) {
    BirthChart first;
    BirthChart second;
    if (!CastBirthChart(MomentOf(births.first), births.first, births.houseSystem, births.options,
                        births.ephemeris, first) ||
        !CastBirthChart(MomentOf(births.second), births.second, births.houseSystem, births.options,
                        births.ephemeris, second)) {
        return std::nullopt;
    }
    return ComposeCharts(first, SignedFromPacked(births.first.latitude), second,
                         SignedFromPacked(births.second.latitude), births.houseSystem);
}

}  // namespace solvaris
