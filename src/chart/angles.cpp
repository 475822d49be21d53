#include "chart/angles.hpp"

#include <cmath>
#include <cstdio>

#include "engine/angles.hpp"
#include "engine/positions.hpp"
#include "engine/sidereal.hpp"

namespace solvaris {

namespace {

// Just south of the equator: keeps tan(latitude) off zero in the divisions.
constexpr double kEquatorLatitudeRad = -0.00001;

double LatitudeRad(double latitudeDeg) {
    return latitudeDeg == 0 ? kEquatorLatitudeRad : DegToRad(latitudeDeg);
}

// atan(num / den) in degrees, +180 when negative, +180 more when `turn`.
double AdjustedArctangent(double num, double den, bool turn) {
    double a = RadToDeg(std::atan(num / den));
    if (a < 0) {
        a += 180;
    }
    if (turn) {
        a += 180;
    }
    return Normalize360(a);
}

}  // namespace

double DayFraction(double clockPacked, bool pm, double zoneHours) {
    double clock = clockPacked;
    if (std::floor(clock) == 12) {
        clock -= 12;
    }
    double f = (FromPacked(clock) + zoneHours) / 24;
    if (pm) {
        f += 0.5;
    }
    return f;
}

double SignedFromPacked(double packed) {
    const double magnitude = FromPacked(std::fabs(packed));
    return packed < 0 ? -magnitude : magnitude;
}

float PackedToMinute(double degrees) {
    // From the whole second, as the reports print a place, so that 52' 30"
    // reads as 53'.
    const double minutes = std::round(std::round(std::fabs(degrees) * 3600) / 60);
    const double packed = std::floor(minutes / 60) + std::fmod(minutes, 60) / 100;
    return static_cast<float>(degrees < 0 ? -packed : packed);
}

double MidheavenFromRamc(double ramc, double obliquityDeg) {
    const double r = DegToRad(ramc);
    return Normalize360(RadToDeg(std::atan2(std::sin(r), std::cos(r) * CosDeg(obliquityDeg))));
}

double AscendantFromRamc(double ramc, double obliquityDeg, double latitudeDeg) {
    const double r = DegToRad(ramc);
    const double e = DegToRad(obliquityDeg);
    const double ascendant = Normalize360(RadToDeg(
        std::atan2(std::cos(r),
                   -(std::sin(r) * std::cos(e) + std::tan(DegToRad(latitudeDeg)) * std::sin(e)))));
    // Inside the polar circles the formula can land on the setting point.
    // The Ascendant rises: it stands east of the meridian, its hour angle
    // (RAMC less its right ascension) between 180 and 360 degrees.
    const double a = DegToRad(ascendant);
    const double rightAscension = RadToDeg(std::atan2(std::sin(a) * std::cos(e), std::cos(a)));
    return SinDeg(ramc - rightAscension) > 0 ? Normalize360(ascendant + 180) : ascendant;
}

double RamcFromSiderealTime(double greenwichSiderealTime, double longitudeDeg) {
    return Normalize360(greenwichSiderealTime - longitudeDeg);
}

ChartAngles ComputeAngles(const Ephemeris& ephemeris, double dayNumber, double dayFraction,
                          double longitudeDeg, double latitudeDeg) {
    ChartAngles a;
    a.dayNumber = dayNumber;
    a.dayFraction = dayFraction;
    a.jd = dayNumber + dayFraction - 0.5;
    a.t = (dayNumber - 2415020 + dayFraction - 0.5) / 36525;
    const EarthFrame frame = EarthFrameAt(ephemeris, dayNumber, dayFraction);
    a.greenwichSiderealTime = frame.siderealTime;
    a.ramc = RamcFromSiderealTime(a.greenwichSiderealTime, longitudeDeg);
    a.obliquity = frame.obliquity;
    a.midheaven = MidheavenFromRamc(a.ramc, a.obliquity);
    a.ascendant = AscendantFromRamc(a.ramc, a.obliquity, latitudeDeg);

    const double e = DegToRad(a.obliquity);
    const double phi = LatitudeRad(latitudeDeg);
    const double r = DegToRad(a.ramc);
    const double rOpp = DegToRad(a.ramc + 180);
    a.vertex = AdjustedArctangent(std::cos(rOpp),
                                  -std::sin(rOpp) * std::cos(e) - std::sin(e) / std::tan(phi),
                                  std::cos(rOpp) < 0);
    // Within the tropics the formula can land on the eastern intersection of
    // the prime vertical with the ecliptic; the Vertex is the western one.
    if (Normalize360(a.vertex - a.midheaven) < 180) {
        a.vertex = Normalize360(a.vertex + 180);
    }
    a.equatorialAscendant =
        AdjustedArctangent(std::cos(r), -std::sin(r) * std::cos(e), std::cos(r) < 0);
    a.coAscendant = AdjustedArctangent(std::cos(rOpp),
                                       std::sin(e) / std::tan(phi) - std::sin(rOpp) * std::cos(e),
                                       std::cos(rOpp) > 0);
    a.polarAscendant = AdjustedArctangent(
        std::cos(rOpp), -std::sin(rOpp) * std::cos(e) - std::tan(phi) * std::sin(e),
        std::cos(rOpp) < 0);
    return a;
}

std::string SiderealTimeText(double ramc, double latitudeDeg) {
    // Normalised so that a southern place past 12h reads as a clock time.
    const double hours = Normalize360(latitudeDeg < 0 ? ramc + 180 : ramc) / 15;
    const double h = std::floor(hours);
    const double minutes = (hours - h) * 60;
    const double m = std::floor(minutes);
    const double s = std::floor((minutes - m) * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%02dH  %02dM  %02dS ", static_cast<int>(h),
                  static_cast<int>(m), static_cast<int>(s));
    return text;
}

double EclipticDeclination(double longitude, double obliquityDeg) {
    return RadToDeg(ArcSin(SinDeg(obliquityDeg) * SinDeg(longitude)));
}

double EclipticRightAscension(double longitude, double obliquityDeg) {
    double ra = RadToDeg(std::atan(std::tan(DegToRad(longitude)) * CosDeg(obliquityDeg)));
    if (CosDeg(longitude) < 0) {
        ra += 180;
    }
    if (ra < 0) {
        ra += 360;
    }
    return ra;
}

}  // namespace solvaris
