// The position driver: every body, the nodes, the Part of Fortune and the
// angles for one instant, and the bodies again one day later.
#pragma once

#include <string>

#include "engine/chart_point.hpp"
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
};

struct PositionTables {
    PointArray longitude{};              // 1-15
    PointArray latitude{};               // 1-10
    PointArray declination{};            // 1-10
    PointArray rightAscension{};         // 1-10
    PointArray nextDayLongitude{};       // 1-10
    PointArray nextDayDeclination{};     // 1-10, with equatorialMotion
    PointArray nextDayRightAscension{};  // 1-10, with equatorialMotion
    PointArray heliocentricLongitude{};  // 1-9; index 1 is the Earth's
    std::string retrogradeMarks;         // 15 characters
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
// turned to the equator with that instant's obliquity. False on a
// floating-point fault.
bool ComputeDayPositions(double dayNumber, double utFraction, PositionTables& out);

// Motion from `longitude` to `nextLongitude` brought into -180 ... +180.
double DailyMotion(double longitude, double nextLongitude);

struct Equatorial {
    double declination;     // degrees
    double rightAscension;  // degrees 0 <= ra < 360
};

Equatorial EquatorialFromEcliptic(double longitude, double latitude, double obliquityRad);

}  // namespace solvaris
