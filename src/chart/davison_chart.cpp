#include "chart/davison_chart.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/format_pattern.hpp"
#include "chart/angles.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSecondsPerDay = 86400;

// Sums shorter than this (places within 0.002" of the antipodes) are taken
// as two antipodal places.
constexpr double kAntipodalLength = 1e-8;

struct Vector3 {
    double x, y, z;
};

Vector3 UnitVectorOf(const GeoPlace& p) {
    const double lat = DegToRad(p.latitude);
    const double lon = DegToRad(p.longitude);
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

BirthData ShownRecord(const ChartMoment& moment, const GeoPlace& place) {
    // Rounded as a whole, so that 23:59:40 shows as the next day's 0:00;
    // from the second the report prints, so that 23:52:30 shows as 23:53.
    const double seconds = std::round((moment.dayNumber + moment.dayFraction) * kSecondsPerDay);
    const double minutes = std::round(seconds / 60);
    const double dayNumber = std::floor(minutes / kMinutesPerDay);
    const int minuteOfDay = static_cast<int>(minutes - dayNumber * kMinutesPerDay);
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    BirthData b;
    b.year = static_cast<std::int16_t>(date.year);
    b.month = static_cast<std::int16_t>(date.month);
    b.day = static_cast<std::int16_t>(date.day);
    const int hour24 = minuteOfDay / 60;
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    b.time = static_cast<float>(hour12 + (minuteOfDay % 60) / 100.0);
    b.meridiem = hour24 < 12 ? "A.M." : "P.M.";
    b.timeZone = 0;
    b.longitude = PackedToMinute(place.longitude);
    b.longitudeText = LongitudeText(b.longitude);
    b.latitude = PackedToMinute(place.latitude);
    b.latitudeText = LatitudeText(b.latitude);
    return b;
}

// The exact place as a record for the chart's casting (minutes with their
// fractions).
BirthData CastingPlace(const GeoPlace& place) {
    const auto packed = [](double degrees) {
        const double p = ToPacked(std::fabs(degrees));
        return static_cast<float>(degrees < 0 ? -p : p);
    };
    BirthData b;
    b.longitude = packed(place.longitude);
    b.latitude = packed(place.latitude);
    return b;
}

GeoPlace PlaceOf(const BirthData& b) {
    return {SignedFromPacked(b.longitude), SignedFromPacked(b.latitude)};
}

}  // namespace

ChartMoment MidpointMoment(const ChartMoment& a, const ChartMoment& b) {
    const double mean = (a.dayNumber + a.dayFraction + b.dayNumber + b.dayFraction) / 2;
    const double dayNumber = std::floor(mean);
    return {dayNumber, mean - dayNumber};
}

std::optional<GeoPlace> GreatCircleMidpoint(const GeoPlace& a, const GeoPlace& b) {
    const Vector3 u = UnitVectorOf(a);
    const Vector3 v = UnitVectorOf(b);
    const Vector3 sum{u.x + v.x, u.y + v.y, u.z + v.z};
    const double length = std::sqrt(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z);
    if (length < kAntipodalLength) {
        return std::nullopt;
    }
    GeoPlace mid;
    mid.latitude = RadToDeg(std::asin(std::clamp(sum.z / length, -1.0, 1.0)));
    // At a pole every longitude is the same place: keep the first's.
    mid.longitude = std::hypot(sum.x, sum.y) < kAntipodalLength
                        ? a.longitude
                        : RadToDeg(std::atan2(sum.y, sum.x));
    return mid;
}

DavisonResult CastDavison(const TwoBirths& births) {
    const auto place = GreatCircleMidpoint(PlaceOf(births.first), PlaceOf(births.second));
    if (!place) {
        return {std::nullopt,
                "The two birthplaces lie opposite each other on the globe: no one place lies "
                "midway between them."};
    }
    // Two births each low enough for the houses may meet beyond the polar
    // circle on the great circle between them.
    if (!ComputedAtPackedLatitude(births.houseSystem, std::fabs(ToPacked(place->latitude)))) {
        return {std::nullopt,
                "The Davison chart's place lies at latitude " +
                    FormatNumber(std::fabs(PackedToMinute(place->latitude)), "#0.00") + " " +
                    LatitudeText(static_cast<float>(place->latitude)) +
                    ", too high for these houses: above 66°00' only " + AnyLatitudeSystemsText() +
                    " houses can be computed."};
    }
    DavisonChart d;
    d.moment = MidpointMoment(MomentOf(births.first), MomentOf(births.second));
    d.place = *place;
    if (!CastBirthChart(d.moment, CastingPlace(d.place), births.houseSystem, births.options,
                        births.ephemeris, d.chart)) {
        return {std::nullopt, kRelationshipChartFault};
    }
    d.shown = ShownRecord(d.moment, d.place);
    d.plutoOutsideTheory = PlutoBeyondTheory(births.ephemeris, d.moment.dayNumber);
    return {d, {}};
}

}  // namespace solvaris
