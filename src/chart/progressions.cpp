#include "chart/progressions.hpp"

#include <cmath>

#include "chart/angles.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/positions.hpp"
#include "engine/sidereal.hpp"

namespace solvaris {

namespace {

EarthFrame FrameOneDayLater(const Ephemeris& ephemeris, const ChartAngles& at) {
    if (ephemeris.Swiss()) {
        return EarthFrameAt(ephemeris, at.dayNumber + 1, at.dayFraction);
    }
    const double tNext = at.t + kOneDayInCenturies;
    return {SiderealTime(tNext, at.dayFraction), ObliquityLinear(tNext)};
}

}  // namespace

AnglePair AnglesOneDayLater(const Ephemeris& ephemeris, const ChartAngles& at, double longitudeDeg,
                            double latitudeDeg) {
    const EarthFrame frame = FrameOneDayLater(ephemeris, at);
    const double ramc = RamcFromSiderealTime(frame.siderealTime, longitudeDeg);
    const double eps = frame.obliquity;
    AnglePair a;
    a.midheaven = MidheavenFromRamc(ramc, eps);
    a.ascendant = AscendantFromRamc(ramc, eps, latitudeDeg);
    a.midheavenDeclination = EclipticDeclination(a.midheaven, eps);
    a.ascendantDeclination = EclipticDeclination(a.ascendant, eps);
    return a;
}

SolarArcAngles SolarArcAnglesFor(double sun, double natalMidheaven, double natalSun,
                                 double natalObliquity, double latitudeDeg) {
    SolarArcAngles a;
    a.midheaven = Normalize360(sun + natalMidheaven - natalSun);
    double ra = RadToDeg(std::atan(std::tan(DegToRad(a.midheaven)) * CosDeg(natalObliquity)));
    // Into the same half of the circle as the Midheaven.
    const bool westHalf = a.midheaven > 90 && a.midheaven < 270;
    ra = Normalize360(ra);
    if (westHalf != (ra > 90 && ra < 270)) {
        ra = Normalize360(ra + 180);
    }
    a.ramc = ra;
    a.ascendant = AscendantFromRamc(ra, natalObliquity, latitudeDeg);
    return a;
}

double ProgressionFraction(double lastBirthdayDayNumber, double diurnalDayNumber) {
    return std::fabs(lastBirthdayDayNumber - diurnalDayNumber) / 365.25;
}

double InterpolateAngle(double value, double nextYear, double f) {
    double d = nextYear - value;
    if (d < 0) {
        d += 360;
    }
    if (d > 180) {
        d -= 360;
    }
    return Normalize360(value + f * d);
}

double SolarArcDegrees(double progressedSun, double natalSun, float option17, int ageYears) {
    if (option17 == 1) {
        return Normalize360(ageYears * 0.9855555556);
    }
    return Normalize360(progressedSun - natalSun);
}

}  // namespace solvaris
