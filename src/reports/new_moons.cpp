#include "reports/new_moons.hpp"

#include <cmath>

#include "base/format_pattern.hpp"
#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"
#include "engine/swiss_ephemeris.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

// The step after a new moon: 340/15, about 22.7 days, which leaves the Moon
// short of the next conjunction.
constexpr double kArcAfterNewMoon = 340;

// A step of d/15 days for d degrees still to go: the Moon gains less than
// 15 degrees a day on the Sun, so a step never carries it past the
// conjunction.
constexpr double kDegreesPerStepDay = 15;

// Ten thousand years either side of 1900: far beyond what the theories
// serve, and short of where a step stops moving the time argument.
constexpr double kSearchCenturies = 100;

NewMoon NewMoonAt(double t, double moonLongitude) {
    NewMoon m;
    m.t = t;
    m.julianDay = t * kJulianCentury + 2415020;
    m.date = CalendarDateOfDayNumber(m.julianDay);
    const double sinceMidnight = m.julianDay + 0.5;
    m.utHours = (sinceMidnight - std::floor(sinceMidnight)) * 24;
    m.longitude = moonLongitude;
    return m;
}

}  // namespace

std::vector<NewMoon> FindNewMoons(const Ephemeris& ephemeris, double start) {
    std::vector<NewMoon> found;
    if (!(std::fabs(start) <= kSearchCenturies)) {
        return found;
    }
    double t = start;
    while (found.size() < kLunationCount) {
        const double jd = t * kJulianCentury + 2415020;
        const double moon =
            ephemeris.Swiss() ? SwissLongitude(ephemeris, Moon, jd) : MoonPosition(t).longitude;
        const double sun =
            ephemeris.Swiss() ? SwissLongitude(ephemeris, Sun, jd) : Normalize360(SunPosition(t));
        // Beyond the years an engine computes the search ends.
        if (!std::isfinite(moon) || !std::isfinite(sun)) {
            break;
        }
        // How far the Moon stands ahead of the Sun, and how far it still has
        // to go to reach it.
        const double ahead = Normalize360(moon - sun);
        double toGo = 360 - ahead;
        if (ahead < kConjunctionTolerance || toGo < kConjunctionTolerance) {
            found.push_back(NewMoonAt(t, moon));
            toGo = kArcAfterNewMoon;
        }
        t += toGo / kDegreesPerStepDay / kJulianCentury;
    }
    return found;
}

std::string NewMoonLine(const NewMoon& newMoon) {
    std::string line = "  ";
    line += FormatDate(newMoon.date.year, newMoon.date.month, newMoon.date.day);
    line += " - ";
    line += LongitudeDM(newMoon.longitude);
    return line;
}

}  // namespace solvaris
