// Secondary progressions (a day for a year, moved through the current year
// of life) and solar-arc directions.
#pragma once

#include "chart/angles.hpp"
#include "chart/chart_store.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

struct AnglePair {
    double midheaven;
    double ascendant;
    double midheavenDeclination;
    double ascendantDeclination;
};

// MC and Ascendant one day after the progressed moment (the next
// birthday): T + one day, the same day fraction, the obliquity's first two
// terms only; with Swiss Ephemeris its sidereal time and true obliquity a
// day later. `at` holds the progressed moment.
AnglePair AnglesOneDayLater(const Ephemeris& ephemeris, const ChartAngles& at, double longitudeDeg,
                            double latitudeDeg);

// The Midheaven moved by the Sun's progressed arc, and its Ascendant.
struct SolarArcAngles {
    double midheaven;
    double ramc;  // right ascension of that Midheaven
    double ascendant;
};
SolarArcAngles SolarArcAnglesFor(double sun, double natalMidheaven, double natalSun,
                                 double natalObliquity, double latitudeDeg);

// Fraction of the year of life elapsed: |N1 - N2| / 365.25 between the day
// numbers of the last birthday and of the diurnal date.
double ProgressionFraction(double lastBirthdayDayNumber, double diurnalDayNumber);

// Longitude (or right ascension) moved the fraction f towards its value a
// progressed year later, the short way round.
double InterpolateAngle(double value, double nextYear, double f);

// The solar arc: progressed minus natal Sun, or with option 17 = 1 a fixed
// 0.9855555556 degree per completed year.
double SolarArcDegrees(double progressedSun, double natalSun, float option17, int ageYears);

}  // namespace solvaris
