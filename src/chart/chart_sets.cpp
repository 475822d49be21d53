#include "chart/chart_sets.hpp"

#include <cmath>

#include "base/lenient_number.hpp"
#include "base/option_numbers.hpp"
#include "chart/angles.hpp"
#include "chart/house_cusps.hpp"
#include "chart/progressions.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"
#include "engine/ayanamsa.hpp"
#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"
#include "engine/positions.hpp"

namespace solvaris {

namespace {

// A chart cast for one moment and place. Its points stay tropical until the
// chart's sets are filled, since their equatorial places are taken from
// them; its cusps and house positions are in the chart's zodiac.
struct CastChart {
    ChartAngles angles;
    double latitude = 0;  // decimal degrees
    CuspSet cusps{};
    std::string siderealTimeText;
    PositionTables positions;
    PointSet points;
    std::string housePositions = std::string(10 * kPointCount, ' ');
    double ayanamsa = 0;  // degrees, 0 for the tropical zodiac
    bool ok = false;
};

CastChart Cast(const Ephemeris& ephemeris, const Zodiac& zodiac, double dayNumber,
               double dayFraction, const BirthData& place, HouseSystem system,
               bool equatorialMotion, double& trueNodeSlot, bool nextDay = true) {
    CastChart c;
    const double longitude = SignedFromPacked(place.longitude);
    c.latitude = SignedFromPacked(place.latitude);
    c.angles = ComputeAngles(ephemeris, dayNumber, dayFraction, longitude, c.latitude);
    c.ayanamsa = AyanamsaDeg(zodiac, ephemeris, c.angles.jd);
    c.siderealTimeText = SiderealTimeText(c.angles.ramc, c.latitude);
    c.cusps = CuspsInZodiac(
        system,
        {c.angles.ramc, c.angles.obliquity, c.latitude, c.angles.ascendant, c.angles.midheaven},
        c.ayanamsa);

    PositionRequest request;
    request.dayNumber = dayNumber;
    request.utFraction = dayFraction;
    request.ascendant = c.angles.ascendant;
    request.midheaven = c.angles.midheaven;
    request.obliquityRad = DegToRad(c.angles.obliquity);
    request.equatorialMotion = equatorialMotion;
    request.nextDay = nextDay;
    request.ephemeris = ephemeris;
    c.ok = ComputePositions(request, c.positions, trueNodeSlot);

    c.points.longitude = c.positions.longitude;
    c.points.declination = c.positions.declination;
    c.points.rightAscension = c.positions.rightAscension;
    HousePositions(InZodiac(c.points.longitude, c.ayanamsa), c.cusps, c.housePositions);
    return c;
}

double DayFractionOf(const BirthData& b) {
    return DayFraction(b.time, b.meridiem == "P.M.", b.timeZone);
}

double DayNumberOf(const BirthData& b, int extraDays = 0) {
    return JulianDayNumber(b.year, b.month, b.day + extraDays);
}

// Declinations of the ecliptic points from `first` to 15 and right
// ascensions from `first` to 14; the Midheaven's right ascension is the RAMC.
void EclipticPointsEquatorial(PointSet& set, int first, double obliquity, double ramc) {
    for (int p = first; p <= kPointCount; ++p) {
        set.declination[p] = EclipticDeclination(set.longitude[p], obliquity);
        if (p < Midheaven) {
            set.rightAscension[p] = EclipticRightAscension(set.longitude[p], obliquity);
        }
    }
    set.rightAscension[Midheaven] = ramc;
}

// Part of Fortune by option 33: 0 by day and night Moon + Asc - Sun, 1
// Sun + Asc - Moon, otherwise the latter only with the Sun below the horizon.
double NatalPartOfFortune(const PointArray& lon, float option33,
                          const std::string& housePositions) {
    const double dayFormula = Normalize360(lon[Moon] + lon[Ascendant] - lon[Sun]);
    const double nightFormula = Normalize360(lon[Sun] + lon[Ascendant] - lon[Moon]);
    if (option33 == 0) {
        return dayFormula;
    }
    if (option33 == 1) {
        return nightFormula;
    }
    const double sunHouse = LenientNumber(std::string_view(housePositions).substr(0, 2));
    return sunHouse < 7 ? nightFormula : dayFormula;
}

ChartTexts TextsOf(const CastChart& c) {
    return {c.positions.retrogradeMarks, c.housePositions, c.siderealTimeText};
}

// The natal chart with its Part of Fortune and the equatorial places of
// the points that follow the planets.
CastChart CastNatalAt(const Ephemeris& ephemeris, const ChartMoment& moment, const BirthData& place,
                      HouseSystem system, const OptionTable& options, double& trueNode,
                      NatalMotion motion = NatalMotion::Computed) {
    CastChart natal = Cast(ephemeris, ChosenZodiac(options), moment.dayNumber, moment.dayFraction,
                           place, system, false, trueNode, motion == NatalMotion::Computed);
    natal.points.longitude[PartOfFortune] = NatalPartOfFortune(
        natal.points.longitude, options(opt::PartOfFortuneFormula), natal.housePositions);
    HousePositions(InZodiac(natal.points.longitude, natal.ayanamsa), natal.cusps,
                   natal.housePositions);
    EclipticPointsEquatorial(natal.points, NorthNode, natal.angles.obliquity, natal.angles.ramc);
    return natal;
}

// The extra points at `jd` in the chart's zodiac, when the options show them.
std::vector<ExtraPlace> ShownExtraPoints(const Ephemeris& ephemeris, const OptionTable& options,
                                         double jd) {
    if (options(opt::ExtraPoints) != 1) {
        return {};
    }
    return ExtraPointsInZodiac(ephemeris, ChosenZodiac(options), jd);
}

CastChart CastNatal(const Ephemeris& ephemeris, const BirthData& birth, HouseSystem system,
                    const OptionTable& options, double& trueNode,
                    NatalMotion motion = NatalMotion::Computed) {
    return CastNatalAt(ephemeris, {DayNumberOf(birth), DayFractionOf(birth)}, birth, system,
                       options, trueNode, motion);
}

NatalSet NatalSetOf(const CastChart& natal, double trueNode) {
    const ChartAngles& na = natal.angles;
    const double aya = natal.ayanamsa;
    NatalSet set;
    set.points = natal.points;
    set.points.longitude = InZodiac(natal.points.longitude, aya);
    set.cusps = natal.cusps;
    set.texts = TextsOf(natal);
    set.trueNodeLongitude = trueNode == kTrueNodeUnset ? trueNode : InZodiac(trueNode, aya);
    set.trueNodeDeclination = EclipticDeclination(trueNode, na.obliquity);
    set.specialPoints = {0,
                         InZodiac(na.ascendant, aya),
                         InZodiac(na.midheaven, aya),
                         InZodiac(na.vertex, aya),
                         InZodiac(na.equatorialAscendant, aya),
                         InZodiac(na.coAscendant, aya),
                         InZodiac(na.polarAscendant, aya),
                         set.points.longitude[NorthNode],
                         0};
    return set;
}

}  // namespace

bool ComputeNatalSet(const BirthData& natal, HouseSystem houseSystem, const OptionTable& options,
                     const Ephemeris& ephemeris, NatalSet& set, NatalMotion motion) {
    double trueNode = kTrueNodeUnset;
    const CastChart chart = CastNatal(ephemeris, natal, houseSystem, options, trueNode, motion);
    if (!chart.ok) {
        return false;
    }
    set = NatalSetOf(chart, trueNode);
    set.extraPoints = ShownExtraPoints(ephemeris, options, chart.angles.jd);
    return true;
}

ChartMoment MomentOf(const BirthData& birth) { return {DayNumberOf(birth), DayFractionOf(birth)}; }

bool CastBirthChart(const ChartMoment& moment, const BirthData& place, HouseSystem houseSystem,
                    const OptionTable& options, const Ephemeris& ephemeris, BirthChart& chart) {
    double trueNode = kTrueNodeUnset;
    const CastChart cast = CastNatalAt(ephemeris, moment, place, houseSystem, options, trueNode);
    if (!cast.ok) {
        return false;
    }
    chart = {NatalSetOf(cast, trueNode), cast.angles.obliquity, cast.angles.ramc, cast.ayanamsa};
    return true;
}

namespace {

// The progressed chart at the last birthday: the natal moment plus a day
// for each completed year, at the present place; its angles by solar arc
// unless ProgressedAnglesByTime moves them by time. Fills the birthday and next-year
// sets and the ayanamsa of its moment; false when the positions could not
// be computed.
bool CastProgressed(const ChartInputs& in, const CastChart& natal, ChartStore& next,
                    double& progressedAyanamsa) {
    const double natalEps = natal.angles.obliquity;
    double unusedNode = 0;
    CastChart prog =
        Cast(in.ephemeris, ChosenZodiac(in.options), DayNumberOf(in.natal, in.ageYears),
             DayFractionOf(in.natal), in.diurnal, in.houseSystem, true, unusedNode);
    AnglePair later = AnglesOneDayLater(in.ephemeris, prog.angles,
                                        SignedFromPacked(in.diurnal.longitude), prog.latitude);
    double progressedMcRa = prog.angles.ramc;
    const bool anglesBySolarArc = in.options(opt::ProgressedAnglesByTime) == 0;
    if (anglesBySolarArc) {
        const PointArray& nl = natal.points.longitude;
        const SolarArcAngles now = SolarArcAnglesFor(prog.points.longitude[Sun], nl[Midheaven],
                                                     nl[Sun], natalEps, prog.latitude);
        const SolarArcAngles then = SolarArcAnglesFor(
            prog.positions.nextDayLongitude[Sun], nl[Midheaven], nl[Sun], natalEps, prog.latitude);
        prog.points.longitude[Midheaven] = now.midheaven;
        prog.points.longitude[Ascendant] = now.ascendant;
        progressedMcRa = now.ramc;
        later = {then.midheaven, then.ascendant, EclipticDeclination(then.midheaven, natalEps),
                 EclipticDeclination(then.ascendant, natalEps)};
    }
    EclipticPointsEquatorial(prog.points, NorthNode, natalEps, progressedMcRa);
    next.progressed.atBirthday = prog.points;
    next.progressed.jd = prog.angles.jd;
    next.progressed.cusps = prog.cusps;
    next.progressed.texts = TextsOf(prog);
    next.progressedObliquity = prog.angles.obliquity;
    progressedAyanamsa = prog.ayanamsa;
    next.progressedRamc = prog.angles.ramc;

    PointSet& ny = next.progressed.nextYear;
    for (int p = Sun; p <= Moon; ++p) {
        ny.longitude[p] = prog.positions.nextDayLongitude[p];
        ny.declination[p] = prog.positions.nextDayDeclination[p];
        ny.rightAscension[p] = prog.positions.nextDayRightAscension[p];
    }
    ny.longitude[NorthNode] = prog.positions.meanNodeNextDay;
    ny.longitude[SouthNode] = Normalize360(ny.longitude[NorthNode] + 180);
    // The Part of Fortune is rebuilt from the interpolated Sun, Moon and
    // Ascendant, so it needs no value of its own a year later.
    ny.longitude[PartOfFortune] = prog.points.longitude[PartOfFortune];
    ny.longitude[Ascendant] = later.ascendant;
    ny.longitude[Midheaven] = later.midheaven;
    EclipticPointsEquatorial(ny, NorthNode, natalEps,
                             EclipticRightAscension(later.midheaven, natalEps));
    ny.declination[Ascendant] = later.ascendantDeclination;
    ny.declination[Midheaven] = later.midheavenDeclination;
    return prog.ok;
}

// The progressed points carried through the current year of life to the
// diurnal date, between the birthday and next-year sets.
void InterpolateProgressed(const ChartInputs& in, double natalObliquity, ProgressedSet& set) {
    const double f = ProgressionFraction(
        JulianDayNumber(in.natal.year + in.ageYears, in.natal.month, in.natal.day),
        DayNumberOf(in.diurnal));
    set.jd += f;
    const PointSet& ny = set.nextYear;
    PointSet& pp = set.points;
    pp = set.atBirthday;
    for (int p = Sun; p <= kPointCount; ++p) {
        pp.longitude[p] = InterpolateAngle(pp.longitude[p], ny.longitude[p], f);
        pp.rightAscension[p] = InterpolateAngle(pp.rightAscension[p], ny.rightAscension[p], f);
        pp.declination[p] += f * (ny.declination[p] - pp.declination[p]);
    }
    pp.longitude[PartOfFortune] =
        Normalize360(pp.longitude[Moon] + pp.longitude[Ascendant] - pp.longitude[Sun]);
    for (int p = NorthNode; p <= kPointCount; ++p) {
        pp.declination[p] = EclipticDeclination(pp.longitude[p], natalObliquity);
    }
    pp.rightAscension[PartOfFortune] =
        EclipticRightAscension(pp.longitude[PartOfFortune], natalObliquity);
}

// Every natal point and cusp moved by the arc of the progressed Sun (or of
// the age, by option), directly and conversely.
SolarArcSet SolarArcOf(const ChartInputs& in, const NatalSet& natal, double progressedSun) {
    SolarArcSet set;
    set.arc = static_cast<float>(SolarArcDegrees(progressedSun, natal.points.longitude[Sun],
                                                 in.options(opt::SolarArcByAge), in.ageYears));
    for (int p = Sun; p <= kPointCount; ++p) {
        set.longitude[p] = Normalize360(natal.points.longitude[p] + set.arc);
        set.converseLongitude[p] = Normalize360(natal.points.longitude[p] - set.arc);
    }
    for (int k = 1; k <= kCuspCount; ++k) {
        set.cusps[k] = Normalize360(natal.cusps[k] + set.arc);
    }
    return set;
}

// The progressed sets in the chart's zodiac, once their equatorial places
// are taken from the tropical longitudes.
void ProgressedInZodiac(ProgressedSet& set, double ayanamsa) {
    set.points.longitude = InZodiac(set.points.longitude, ayanamsa);
    set.atBirthday.longitude = InZodiac(set.atBirthday.longitude, ayanamsa);
    set.nextYear.longitude = InZodiac(set.nextYear.longitude, ayanamsa);
}

// The chart of the diurnal moment and place; false when the positions
// could not be computed.
bool CastTransit(const ChartInputs& in, ChartStore& next) {
    double unusedTransitNode = 0;
    CastChart transit =
        Cast(in.ephemeris, ChosenZodiac(in.options), DayNumberOf(in.diurnal),
             DayFractionOf(in.diurnal), in.diurnal, in.houseSystem, false, unusedTransitNode);
    EclipticPointsEquatorial(transit.points, NorthNode, transit.angles.obliquity,
                             transit.angles.ramc);
    const double aya = transit.ayanamsa;
    transit.points.longitude = InZodiac(transit.points.longitude, aya);
    next.transit.points = transit.points;
    next.transit.cusps = transit.cusps;
    next.transit.texts = TextsOf(transit);
    next.transit.extraAngles = {
        InZodiac(transit.angles.vertex, aya), InZodiac(transit.angles.equatorialAscendant, aya),
        InZodiac(transit.angles.coAscendant, aya), InZodiac(transit.angles.polarAscendant, aya)};
    next.transit.jd = transit.angles.jd;
    next.transitObliquity = transit.angles.obliquity;
    next.transitRamc = transit.angles.ramc;
    next.transitAyanamsa = aya;
    next.ramc = transit.angles.ramc;
    // The wheel's outer ring ends with the transits.
    next.outerRing = {transit.points.longitude, transit.positions.retrogradeMarks};
    next.lunationStart = transit.angles.t - 31 / kJulianCentury;
    return transit.ok;
}

}  // namespace

bool ComputeChartSets(const ChartInputs& in, ChartStore& store) {
    ChartStore next = store;
    double trueNode = kTrueNodeUnset;
    const CastChart natal = CastNatal(in.ephemeris, in.natal, in.houseSystem, in.options, trueNode);
    next.natal = NatalSetOf(natal, trueNode);
    next.natalObliquity = natal.angles.obliquity;
    next.natalRamc = natal.angles.ramc;

    double progressedAyanamsa = 0;
    const bool progressedOk = CastProgressed(in, natal, next, progressedAyanamsa);
    InterpolateProgressed(in, natal.angles.obliquity, next.progressed);
    ProgressedInZodiac(next.progressed, progressedAyanamsa);
    next.solarArc = SolarArcOf(in, next.natal, next.progressed.points.longitude[Sun]);
    const bool transitOk = CastTransit(in, next);

    // The working set holds the natal chart that the natal data report reads.
    next.working = {next.natal.points, next.natal.cusps, next.natal.texts,
                    InZodiac(natal.positions.nextDayLongitude, natal.ayanamsa)};
    next.zodiac = ChosenZodiac(in.options);
    next.natalAyanamsa = natal.ayanamsa;
    next.progressedAyanamsa = progressedAyanamsa;
    next.kind = ChartKind::Natal;
    next.houseSystem = in.houseSystem;
    next.diurnalDayNumber = DayNumberOf(in.diurnal);
    next.plutoOutsideTheory = {PlutoBeyondTheory(in.ephemeris, DayNumberOf(in.natal)),
                               PlutoBeyondTheory(in.ephemeris, DayNumberOf(in.natal, in.ageYears)),
                               PlutoBeyondTheory(in.ephemeris, next.diurnalDayNumber)};
    next.ephemeris = in.ephemeris;
    next.interpretationDay = next.diurnalDayNumber;
    next.natal.extraPoints = ShownExtraPoints(in.ephemeris, in.options, natal.angles.jd);

    if (!natal.ok || !progressedOk || !transitOk) {
        return false;
    }
    store = std::move(next);
    return true;
}

}  // namespace solvaris
