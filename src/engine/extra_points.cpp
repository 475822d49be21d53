#include "engine/extra_points.hpp"

#include <array>
#include <cmath>
#include <optional>

#include "engine/angles.hpp"
#include "engine/chiron_orbit.hpp"
#include "engine/lunar_apogee.hpp"
#include "engine/positions.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

namespace {

constexpr std::array<ExtraPointName, 7> kNames{{
    {ExtraPoint::MeanLilith, "LILITH    ", "LILITH", "mean_lilith"},
    {ExtraPoint::TrueLilith, "TRUE LIL. ", "TRUE LILITH", "true_lilith"},
    {ExtraPoint::Chiron, "CHIRON    ", "CHIRON", "chiron"},
    {ExtraPoint::Ceres, "CERES     ", "CERES", "ceres"},
    {ExtraPoint::Pallas, "PALLAS    ", "PALLAS", "pallas"},
    {ExtraPoint::Juno, "JUNO      ", "JUNO", "juno"},
    {ExtraPoint::Vesta, "VESTA     ", "VESTA", "vesta"},
}};

constexpr std::array<SwissMinorBody, 7> kSwissBodies{
    SwissMinorBody::MeanApogee, SwissMinorBody::OsculatingApogee, SwissMinorBody::Chiron,
    SwissMinorBody::Ceres,      SwissMinorBody::Pallas,           SwissMinorBody::Juno,
    SwissMinorBody::Vesta};

// The analytical mode of Swiss Ephemeris: what the built-in engine asks it
// for the osculating apogee.
const Ephemeris& AnalyticalSwiss() {
    static const Ephemeris analytical{EphemerisEngine::Swiss, {}, nullptr};
    return analytical;
}

std::optional<SwissPlace> PlaceOf(const Ephemeris& ephemeris, ExtraPoint point, double jd) {
    switch (point) {
        case ExtraPoint::MeanLilith:
            if (!ephemeris.Swiss()) {
                const EclipticPlace p = MeanLunarApogee((jd - 2451545.0) / 36525);
                return SwissPlace{p.longitude, p.latitude};
            }
            break;
        case ExtraPoint::TrueLilith:
            return SwissMinorBodyAt(ephemeris.Swiss() ? ephemeris : AnalyticalSwiss(),
                                    SwissMinorBody::OsculatingApogee, jd);
        case ExtraPoint::Chiron:
            if (ephemeris.Swiss()) {
                if (auto p = SwissMinorBodyAt(ephemeris, SwissMinorBody::Chiron, jd)) {
                    return p;
                }
            }
            if (const auto p = ChironApparentPlace(jd)) {
                return SwissPlace{p->longitude, p->latitude};
            }
            return std::nullopt;
        default:
            if (!ephemeris.Swiss()) {
                return std::nullopt;
            }
            break;
    }
    return SwissMinorBodyAt(ephemeris, kSwissBodies[static_cast<int>(point)], jd);
}

}  // namespace

std::optional<double> ExtraPointLongitude(const Ephemeris& ephemeris, ExtraPoint point, double jd) {
    if (const auto place = PlaceOf(ephemeris, point, jd)) {
        return place->longitude;
    }
    return std::nullopt;
}

std::span<const ExtraPointName> ExtraPointNames() { return kNames; }

const ExtraPointName& NameOf(ExtraPoint point) { return kNames[static_cast<int>(point)]; }

std::vector<ExtraPlace> ExtraPointsAt(const Ephemeris& ephemeris, double jd) {
    std::vector<ExtraPlace> places;
    const double dayNumber = std::floor(jd + 0.5);
    const double obliquityRad =
        DegToRad(EarthFrameAt(ephemeris, dayNumber, jd + 0.5 - dayNumber).obliquity);
    for (const ExtraPointName& name : kNames) {
        const auto now = PlaceOf(ephemeris, name.point, jd);
        const auto later = PlaceOf(ephemeris, name.point, jd + 1);
        if (now && later) {
            const Equatorial eq =
                EquatorialFromEcliptic(now->longitude, now->latitude, obliquityRad);
            places.push_back({name.point, now->longitude, now->latitude, later->longitude,
                              eq.declination, eq.rightAscension});
        }
    }
    return places;
}

}  // namespace solvaris
