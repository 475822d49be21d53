// Obliquity of the ecliptic and Greenwich sidereal time.
#pragma once

namespace solvaris {

// Newcomb's mean obliquity in degrees, T in centuries from JD 2415020.0.
double Obliquity(double t);

// The first two terms only, as the angles one day later use it.
double ObliquityLinear(double t);

// Greenwich sidereal time in degrees; T is taken at the instant itself, so
// the rate term already carries the sidereal excess of the elapsed day.
double SiderealTime(double t, double utFraction);

}  // namespace solvaris
