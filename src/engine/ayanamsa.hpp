// The sidereal zodiac: the ayanamsa, the arc from the sidereal zodiac's
// first point to the equinox of date, that a tropical longitude is lessened
// by.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ephemeris.hpp"

namespace solvaris {

enum class Ayanamsa { Lahiri = 0, FaganBradley = 1, Krishnamurti = 2, Raman = 3, User = 4 };

inline constexpr double kJ2000Jd = 2451545.0;

struct Zodiac {
    bool sidereal = false;
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    // Ayanamsa::User: its value in degrees at its epoch (a Julian day, TT).
    double userDeg = 0;
    double userEpochJd = kJ2000Jd;
};

// "Lahiri", "Fagan/Bradley", "Krishnamurti", "Raman", "User 24.0000 at 2000.0".
std::string AyanamsaName(const Zodiac& zodiac);

// "lahiri", "fagan-bradley", "krishnamurti", "raman", "user", as
// --ayanamsa and the chart JSON name them; and back.
std::string AyanamsaWord(Ayanamsa ayanamsa);
std::optional<Ayanamsa> AyanamsaOfWord(std::string_view word);

// "Sidereal (Lahiri)"; empty for the tropical zodiac.
std::string ZodiacHeading(const Zodiac& zodiac);

// The Julian day (TT) of a decimal year, 2000.0 being J2000, and back.
double JulianEpochJd(double year);
double JulianEpochYear(double jd);

// The mean ayanamsa in degrees at `jdUt`: nutation left out. Swiss
// Ephemeris's own with its engine; with the built-in one the value at the
// ayanamsa's epoch carried by the IAU 2006 general precession in longitude.
double MeanAyanamsaDeg(const Zodiac& zodiac, const Ephemeris& ephemeris, double jdUt);

// The true ayanamsa, the mean one plus the nutation in longitude, which the
// positions of date carry: tropical less this is the sidereal longitude.
// Zero for the tropical zodiac.
double AyanamsaDeg(const Zodiac& zodiac, const Ephemeris& ephemeris, double jdUt);

// The IAU 2006 general precession in longitude from J2000, in arcseconds,
// T in Julian centuries TT from J2000.
double GeneralPrecessionArcsec(double t2000);

// The nutation in longitude of the built-in engine, in arcseconds: the
// largest terms of the IAU 1980 series (within 0.5 arcsecond).
double NutationInLongitudeArcsec(double t2000);

}  // namespace solvaris
