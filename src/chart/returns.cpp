#include "chart/returns.hpp"

#include <cmath>
#include <cstdio>
#include <utility>

#include "chart/angles.hpp"
#include "chart/house_cusps.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/positions.hpp"
#include "engine/sun.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

namespace {

// Half an arc-second: a return is timed to a few seconds of clock time.
constexpr double kToleranceDeg = 0.00014;
// Swiss Ephemeris's returns are searched on to a tenth of a second of the
// Sun's motion, so that they agree with its own crossing finders.
constexpr double kSwissToleranceDeg = 1e-6;

// How a body is followed: its longitude, and the whole-day step of the
// coarse search, one day per `degreesPerDay` of remaining difference.
struct Body {
    double (*longitude)(const Ephemeris& ephemeris, double jd, double t);
    double degreesPerDay;
    const char* failure;
};

// The built-in theories take T, Swiss Ephemeris the Julian day.
double SunLongitude(const Ephemeris& ephemeris, double jd, double t) {
    return ephemeris.Swiss() ? SwissLongitude(ephemeris, Sun, jd) : Normalize360(SunPosition(t));
}
double MoonLongitude(const Ephemeris& ephemeris, double jd, double t) {
    return ephemeris.Swiss() ? SwissLongitude(ephemeris, Moon, jd)
                             : Normalize360(MoonPosition(t).longitude);
}

constexpr Body kSun{SunLongitude, 1,
                    "The solar return could not be found: the search did not converge."};
constexpr Body kMoon{MoonLongitude, 16,
                     "The lunar return could not be found: the search did not converge."};

// Whole days while the body is far off (restarting the hour each time),
// then 12 hours per step of the remaining difference.
std::optional<ReturnMoment> Search(const Ephemeris& ephemeris, const Zodiac& zodiac, double target,
                                   const Body& body, int year, int month, int& day,
                                   double startHour, double zoneOffset, Platform& platform) {
    const double tolerance = ephemeris.Swiss() ? kSwissToleranceDeg : kToleranceDeg;
    double hour = startHour;
    for (int pass = 0; pass < kReturnPassLimit; ++pass) {
        const double f = (hour + zoneOffset) / 24;
        const double n = JulianDayNumber(year, month, day);
        const double t = (n - 2415020 + f - 0.5) / 36525;
        const double jd = n + f - 0.5;
        const double d = ReturnDifference(
            target, InZodiac(body.longitude(ephemeris, jd, t), AyanamsaDeg(zodiac, ephemeris, jd)));
        if (std::fabs(d) < tolerance) {
            return ReturnMoment{n, f, n + f - 0.5, t};
        }
        if (std::fabs(d) >= body.degreesPerDay) {
            day += static_cast<int>(std::floor(d / body.degreesPerDay));
            hour = startHour;
        } else {
            hour += 12 * d / body.degreesPerDay;
        }
    }
    platform.ShowMessage(body.failure, "Warning!", MessageIcon::Information);
    return std::nullopt;
}

std::string FormatClock(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

}  // namespace

double ReturnDifference(double target, double longitude) {
    double d = target - longitude;
    if (d >= 180) {
        d -= 360;
    }
    if (d <= -180) {
        d += 360;
    }
    return d;
}

ReturnSearch InitialReturnSearch(const BirthData& natal, const BirthData& diurnal) {
    ReturnSearch search;
    search.solarYear = LastBirthdayYear(natal, diurnal);
    search.lunarDay = diurnal.day;
    search.lunarMonth = diurnal.month;
    search.lunarYear = diurnal.year;
    search.longitude = diurnal.longitude;
    search.latitude = diurnal.latitude;
    search.longitudeText = diurnal.longitudeText;
    search.latitudeText = diurnal.latitudeText;
    return search;
}

double NatalClockHours(const BirthData& natal) {
    double clock = natal.time;
    if (std::floor(clock) == 12) {
        clock -= 12;
    }
    double hours = FromPacked(clock);
    if (natal.meridiem == "P.M.") {
        hours += 12;
    }
    return hours;
}

std::optional<ReturnMoment> SolarReturnSearch(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                              double natalSun, const BirthData& natal,
                                              const ReturnSearch& search, Platform& platform) {
    int day = natal.day;
    return Search(ephemeris, zodiac, natalSun, kSun, search.solarYear, natal.month, day,
                  NatalClockHours(natal), search.zoneOffset, platform);
}

std::optional<ReturnMoment> LunarReturnSearch(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                              double natalMoon, const BirthData& natal,
                                              ReturnSearch& search, Platform& platform) {
    return Search(ephemeris, zodiac, natalMoon, kMoon, search.lunarYear, search.lunarMonth,
                  search.lunarDay, NatalClockHours(natal), search.zoneOffset, platform);
}

std::optional<ReturnSet> ComputeReturnSet(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                          const ReturnMoment& moment, const ReturnSearch& search,
                                          HouseSystem system) {
    const double latitude = SignedFromPacked(search.latitude);
    const ChartAngles angles = ComputeAngles(ephemeris, moment.dayNumber, moment.dayFraction,
                                             SignedFromPacked(search.longitude), latitude);
    PositionRequest request;
    request.dayNumber = moment.dayNumber;
    request.utFraction = moment.dayFraction;
    request.ascendant = angles.ascendant;
    request.midheaven = angles.midheaven;
    request.obliquityRad = DegToRad(angles.obliquity);
    request.ephemeris = ephemeris;
    PositionTables tables;
    double trueNode = kTrueNodeUnset;
    if (!ComputePositions(request, tables, trueNode)) {
        return std::nullopt;
    }

    ReturnSet set;
    set.jd = moment.jd;
    const double ayanamsa = AyanamsaDeg(zodiac, ephemeris, moment.jd);
    set.longitude = InZodiac(tables.longitude, ayanamsa);
    set.cusps = CuspsInZodiac(
        system, {angles.ramc, angles.obliquity, latitude, angles.ascendant, angles.midheaven},
        ayanamsa);
    set.texts.retrogradeMarks = tables.retrogradeMarks;
    set.texts.housePositionText = std::string(10 * kPointCount, ' ');
    HousePositions(set.longitude, set.cusps, set.texts.housePositionText);
    set.texts.siderealTimeText = SiderealTimeText(angles.ramc, latitude);
    set.date = CalendarDateOfDayNumber(moment.jd);
    ReturnClock clock = ReturnClockOf(moment.jd);
    set.clockTime = clock.clockTime;
    set.meridiem = std::move(clock.meridiem);
    return set;
}

ReturnClock ReturnClockOf(double jd) {
    double fraction = jd - std::floor(jd);
    std::string meridiem = "P.M.";
    if (fraction >= 0.5) {
        meridiem = "A.M";
        fraction -= 0.5;
    }
    double clock = ToPacked(fraction * 24);
    if (clock < 1) {
        clock += 12;
    }
    return {clock, meridiem};
}

std::string ReturnDateText(const ReturnSet& set, DateOrder order) {
    return JulianDayToDateText(set.jd, order);
}

std::string ReturnTimeLine(const ReturnSet& set) {
    return FormatClock(set.clockTime) + " " + set.meridiem + " (0)";
}

void StepSolarReturn(ReturnSearch& search, ReturnStep step) {
    search.solarYear += step == ReturnStep::Next ? 1 : -1;
}

void StepLunarReturn(ReturnSearch& search, ReturnStep step) {
    search.lunarDay += step == ReturnStep::Next ? 22 : -35;
}

}  // namespace solvaris
