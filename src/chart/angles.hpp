// From a moment and a place: day fraction, Julian day, sidereal time, RAMC,
// obliquity, Midheaven, Ascendant and the four further angles.
#pragma once

#include <string>

#include "engine/ephemeris.hpp"

namespace solvaris {

// Greenwich time as a fraction of the day from a 12-hour clock reading
// (hour + minutes / 100), its meridiem and the zone (hours, west positive).
// Hour 12 counts as 0, so 12.30 A.M. is just after midnight. The result may
// fall outside 0-1 and is used as it is.
double DayFraction(double clockPacked, bool pm, double zoneHours);

// A signed d.mm value (longitude west positive, latitude north positive) in
// decimal degrees.
double SignedFromPacked(double packed);
// Signed decimal degrees as d.mm rounded to the nearest minute as a whole,
// so that 59.99' never reads as 60', from the nearest second.
float PackedToMinute(double degrees);

struct ChartAngles {
    double dayNumber = 0;
    double dayFraction = 0;
    double jd = 0;
    double t = 0;  // centuries from JD 2415020.0
    double greenwichSiderealTime = 0;
    double ramc = 0;
    double obliquity = 0;  // degrees
    double midheaven = 0;
    double ascendant = 0;
    double vertex = 0;
    double equatorialAscendant = 0;
    double coAscendant = 0;
    double polarAscendant = 0;
};

// Longitude and latitude in decimal degrees, west and north positive. The
// sidereal time and obliquity are the engine's (EarthFrameAt).
ChartAngles ComputeAngles(const Ephemeris& ephemeris, double dayNumber, double dayFraction,
                          double longitudeDeg, double latitudeDeg);

// The Midheaven, in the same half of the circle as the RAMC.
double MidheavenFromRamc(double ramc, double obliquityDeg);
// The Ascendant, the rising intersection of the ecliptic with the horizon
// (inside the polar circles too).
double AscendantFromRamc(double ramc, double obliquityDeg, double latitudeDeg);

// RAMC = Greenwich sidereal time - longitude (west positive), normalised.
double RamcFromSiderealTime(double greenwichSiderealTime, double longitudeDeg);

// "05H  32M  07S ": the RAMC as time, half a day on for a southern place.
std::string SiderealTimeText(double ramc, double latitudeDeg);

// Declination of a point on the ecliptic.
double EclipticDeclination(double longitude, double obliquityDeg);

// Right ascension of a point on the ecliptic, 0 <= ra < 360.
double EclipticRightAscension(double longitude, double obliquityDeg);

}  // namespace solvaris
