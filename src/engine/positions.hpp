// The position driver: every body, the nodes, the Part of Fortune and the
// angles for one instant, and the bodies again one day later.
#pragma once

#include <string>

#include "engine/chart_point.hpp"
#include "engine/ephemeris.hpp"
#include "engine/sun.hpp"

namespace solvaris {

struct PositionRequest {
    double dayNumber = 0;   // Julian day number of the UT date
    double utFraction = 0;  // of the day
    double ascendant = 0;   // degrees, computed beforehand with the cusps
    double midheaven = 0;
    double obliquityRad = 0;
    bool equatorialMotion = false;  // also keep declination and RA one day later
    // False for work that prints no motion: the bodies are evaluated once,
    // the next-day tables stay 0 and the retrograde marks empty.
    bool nextDay = true;
    Ephemeris ephemeris;  // the built-in theories unless Swiss Ephemeris is chosen
};

struct PositionTables {
    PointArray longitude{};              // 1-15
    PointArray latitude{};               // 1-10
    PointArray declination{};            // 1-10
    PointArray rightAscension{};         // 1-10
    PointArray nextDayLongitude{};       // 1-10
    PointArray nextDayDeclination{};     // 1-10, with equatorialMotion
    PointArray nextDayRightAscension{};  // 1-10, with equatorialMotion
    // 1-9, index 1 the Earth's; the built-in theories only (no report
    // prints it, and Swiss Ephemeris would take ten calls more).
    PointArray heliocentricLongitude{};
    std::string retrogradeMarks;  // 15 characters
    double meanNodeNextDay = 0;
    double sunApparentLongitude = 0;
    SunAngleDistances sunDistances{};
};

// Reset value of the true-node slot: only the first evaluation of a chart
// fills it, so the one-day-later pass never overwrites it.
inline constexpr double kTrueNodeUnset = -100;

// Fills `out`; `trueNodeSlot` receives the normalised true node when it still
// holds kTrueNodeUnset. Returns false on a floating-point fault, when the
// tables are not to be used.
bool ComputePositions(const PositionRequest& request, PositionTables& out, double& trueNodeSlot);

// The bodies of a day at a fraction of it (UT) with no chart around them:
// turned to the equator with that instant's obliquity (the engine's own).
// False on a floating-point fault.
bool ComputeDayPositions(const Ephemeris& ephemeris, double dayNumber, double utFraction,
                         PositionTables& out);

// Greenwich sidereal time and the obliquity that turn the ecliptic to the
// equator and give the angles and houses: the built-in mean ones, or Swiss
// Ephemeris's apparent sidereal time and true obliquity. Degrees.
struct EarthFrame {
    double siderealTime;
    double obliquity;
};
EarthFrame EarthFrameAt(const Ephemeris& ephemeris, double dayNumber, double utFraction);

// The request for a universal instant (a Julian day) alone: its day number,
// the day's fraction and the engine's obliquity then.
PositionRequest PositionRequestAt(const Ephemeris& ephemeris, double jd);

// Motion from `longitude` to `nextLongitude` brought into -180 ... +180.
double DailyMotion(double longitude, double nextLongitude);

struct Equatorial {
    double declination;     // degrees
    double rightAscension;  // degrees 0 <= ra < 360
};

Equatorial EquatorialFromEcliptic(double longitude, double latitude, double obliquityRad);

}  // namespace solvaris
