// The Swiss Ephemeris engine: every body of a chart as swe_calc_ut gives it
// with the same flags, a few published apparent positions, and the houses
// of its apparent sidereal time and true obliquity against swe_houses_ex.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "chart/angles.hpp"
#include "chart/chart_sets.hpp"
#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"
#include "engine/positions.hpp"
#include "support/sample_people.hpp"

namespace solvaris {
namespace {

// Its analytical mode, whatever $SE_EPHE_PATH says.
const Ephemeris kSwiss{EphemerisEngine::Swiss, "", nullptr};

double Gap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

struct SwissPlace {
    double longitude, latitude;
};

SwissPlace Calc(int body, double jdUt, int extraFlags = 0) {
    double x[6];
    char error[AS_MAXCH];
    EXPECT_GE(swe_calc_ut(jdUt, body, SEFLG_MOSEPH | extraFlags, x, error), 0) << error;
    return {x[0], x[1]};
}

// Natal, progressed and transit charts over the years the program takes:
// each body, the mean node and the true node, in longitude, latitude and
// the next-day longitude to 1e-9 degree; declination and right ascension,
// turned with the true obliquity of the angles, to 3e-8 (0.1 mas, the
// library's own rotation taking its obliquity a hair differently).
TEST(SwissEngine, EveryBodyOfAChartIsSwissEphemerisOwn) {
    const BirthData births[] = {
        Person(5, 12, 1950, 7.45f, "P.M.", 5, 74.00f, 40.43f),
        Person(1, 3, 120, 11.30f, "A.M.", 0, -12.30f, -33.55f),
        Person(15, 10, 1582, 12.00f, "A.M.", -1, -2.20f, 48.52f),
        Person(31, 12, 2099, 11.59f, "P.M.", 8, 118.15f, 34.03f),
    };
    const BirthData diurnal = Person(21, 6, 2026, 9.00f, "A.M.", 0, 0.05f, 51.30f);
    for (const BirthData& natal : births) {
        SCOPED_TRACE(natal.year);
        OptionTable options;
        ChartStore store;
        ASSERT_TRUE(ComputeChartSets(
            {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, kSwiss},
            store));
        EXPECT_TRUE(store.ephemeris.Swiss());
        EXPECT_FALSE(store.plutoOutsideTheory.Any());

        const double jd = JulianDayNumber(natal.year, natal.month, natal.day) - 0.5 +
                          DayFraction(natal.time, natal.meridiem == "P.M.", natal.timeZone);
        PositionRequest request;
        request.dayNumber = std::floor(jd + 0.5);
        request.utFraction = jd + 0.5 - request.dayNumber;
        request.obliquityRad = DegToRad(store.natalObliquity);
        request.equatorialMotion = true;
        request.ephemeris = kSwiss;
        PositionTables tables;
        double trueNode = kTrueNodeUnset;
        ASSERT_TRUE(ComputePositions(request, tables, trueNode));
        const PointSet& set = store.natal.points;
        const int bodies[] = {SE_SUN,    SE_MERCURY, SE_VENUS,   SE_MARS,  SE_JUPITER,
                              SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO, SE_MOON};
        for (int p = Sun; p <= Moon; ++p) {
            const SwissPlace ecl = Calc(bodies[p - 1], jd);
            const SwissPlace equ = Calc(bodies[p - 1], jd, SEFLG_EQUATORIAL);
            EXPECT_LE(Gap(set.longitude[p], ecl.longitude), 1e-9) << p;
            EXPECT_NEAR(tables.latitude[p], ecl.latitude, 1e-9) << p;
            EXPECT_NEAR(set.declination[p], equ.latitude, 3e-8) << p;
            EXPECT_LE(Gap(set.rightAscension[p], equ.longitude), 3e-8) << p;
            EXPECT_LE(Gap(tables.nextDayLongitude[p], Calc(bodies[p - 1], jd + 1).longitude), 1e-9)
                << p;
        }
        EXPECT_LE(Gap(set.longitude[NorthNode], Calc(SE_MEAN_NODE, jd).longitude), 1e-9);
        EXPECT_LE(Gap(set.longitude[SouthNode], Calc(SE_MEAN_NODE, jd).longitude + 180), 1e-9);
        EXPECT_LE(Gap(store.natal.trueNodeLongitude, Calc(SE_TRUE_NODE, jd).longitude), 1e-9);
        EXPECT_LE(Gap(store.transit.points.longitude[Mars],
                      Calc(SE_MARS, JulianDayNumber(2026, 6, 21) - 0.5 + 9.0 / 24).longitude),
                  1e-9);
    }
}

// Apparent geocentric places of date published in J. Meeus, Astronomical
// Algorithms, 2nd ed. (1998): example 25.b (the Sun) and 33.a (Venus),
// both from the abridged VSOP87 of his Appendix III (a second of arc or
// two), and 47.a (the Moon, whose truncated series Meeus states to 10" in
// longitude and 4" in latitude). The instants are
// dynamical time; universal time is taken with Meeus's Delta T of 59 s for
// 1992, well inside these bounds.
TEST(SwissEngine, PublishedApparentPositions) {
    constexpr double kArcsecond = 1.0 / 3600;
    constexpr double kDeltaTDays = 59.0 / 86400;
    struct Row {
        const char* example;
        int body;
        double jde, longitude, latitude, boundLongitude, boundLatitude;
    };
    const Row rows[] = {
        {"25.b Sun", SE_SUN, 2448908.5, 199 + 54 / 60.0 + 21.818 / 3600, 0.72 / 3600, kArcsecond,
         kArcsecond},
        {"33.a Venus", SE_VENUS, 2448976.5, 313.08102, -2.08474, 2 * kArcsecond, kArcsecond},
        {"47.a Moon", SE_MOON, 2448724.5, 133.167265, -3.229126, 10 * kArcsecond, 4 * kArcsecond},
    };
    for (const Row& row : rows) {
        const double jd = row.jde - kDeltaTDays;
        const double dayNumber = std::floor(jd + 0.5);
        PositionRequest request;
        request.dayNumber = dayNumber;
        request.utFraction = jd + 0.5 - dayNumber;
        request.obliquityRad =
            DegToRad(EarthFrameAt(kSwiss, dayNumber, request.utFraction).obliquity);
        request.ephemeris = kSwiss;
        PositionTables tables;
        double trueNode = kTrueNodeUnset;
        ASSERT_TRUE(ComputePositions(request, tables, trueNode));
        const int point = row.body == SE_SUN ? Sun : row.body == SE_VENUS ? Venus : Moon;
        EXPECT_LE(Gap(tables.longitude[point], row.longitude), row.boundLongitude) << row.example;
        EXPECT_NEAR(tables.latitude[point], row.latitude, row.boundLatitude) << row.example;
    }
}

// 200 places and moments: every system Swiss Ephemeris also has, from our
// formulas on its apparent sidereal time and true obliquity.
TEST(SwissEngine, CuspsAgreeWithSwissHouses) {
    struct SystemCase {
        HouseSystem system;
        int swissCode;
    };
    const SystemCase systems[] = {
        {HouseSystem::Placidus, 'P'},       {HouseSystem::Koch, 'K'},
        {HouseSystem::Regiomontanus, 'R'},  {HouseSystem::Campanus, 'C'},
        {HouseSystem::Porphyry, 'O'},       {HouseSystem::EqualAscendant, 'E'},
        {HouseSystem::EqualMidheaven, 'D'}, {HouseSystem::Meridian, 'X'},
        {HouseSystem::Morinus, 'M'},
    };
    std::mt19937 draw(20261209);
    std::uniform_real_distribution<double> days(JulianDayNumber(100, 1, 1),
                                                JulianDayNumber(2099, 12, 31));
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_real_distribution<double> longitudes(-180, 180);
    std::uniform_real_distribution<double> latitudes(-66, 66);
    for (int k = 0; k < 200; ++k) {
        const double dayNumber = std::floor(days(draw));
        const double fraction = unit(draw);
        const double longitudeWest = longitudes(draw);
        const double latitude = latitudes(draw);
        const ChartAngles a = ComputeAngles(kSwiss, dayNumber, fraction, longitudeWest, latitude);
        const CuspInputs in{a.ramc, a.obliquity, latitude, a.ascendant, a.midheaven};
        for (const SystemCase& sc : systems) {
            double cusps[13], ascmc[10];
            swe_houses_ex(a.jd, 0, latitude, -longitudeWest, sc.swissCode, cusps, ascmc);
            EXPECT_LE(Gap(a.ramc, ascmc[SE_ARMC]), 1e-8);
            EXPECT_LE(Gap(a.ascendant, ascmc[SE_ASC]), 1e-5);
            EXPECT_LE(Gap(a.midheaven, ascmc[SE_MC]), 1e-5);
            const CuspSet ours = ComputeCusps(sc.system, in);
            for (int house = 1; house <= 12; ++house) {
                EXPECT_LE(Gap(ours[SlotOfHouse(house)], cusps[house]), 1e-5)
                    << Info(sc.system).displayName << " house " << house << " jd " << a.jd
                    << " lat " << latitude;
            }
        }
    }
}

TEST(SwissEngine, ChoiceNamesAndResolution) {
    OptionTable options;
    EXPECT_FALSE(ChosenEphemeris(options, "").Swiss());  // an options file without line 217
    options.Set(217, 1);
    const Ephemeris chosen = ChosenEphemeris(options, "/nonexistent-folder");
    EXPECT_TRUE(chosen.Swiss());
    EXPECT_EQ(chosen.filesFolder, "");  // no files there: the analytical mode
    EXPECT_EQ(EphemerisReportLine(kSwiss), "Positions: Swiss Ephemeris 2.10, analytical");
    EXPECT_EQ(EphemerisReportLine(Ephemeris{}), "");
    EXPECT_EQ(EphemerisName(Ephemeris{EphemerisEngine::Swiss, "/srv/ephe", nullptr}),
              "Swiss Ephemeris 2.10, files in /srv/ephe");
    // Pluto's theory has years only in the built-in engine.
    EXPECT_TRUE(PlutoBeyondTheory(Ephemeris{}, JulianDayNumber(1500, 1, 1)));
    EXPECT_FALSE(PlutoBeyondTheory(kSwiss, JulianDayNumber(1500, 1, 1)));
}

// A folder that holds a file of other years only: the library, asked for
// files, computes every body in its analytical mode and answers so in its
// return flags; the line then names that mode and no files.
TEST(SwissEngine, FilesNamedButUnusedNameTheAnalyticalMode) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "swiss-files-of-other-years";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "seplm54.se1").put('\0');  // 5400-4800 BC, never opened here
    const Ephemeris named = ResolveEphemeris(EphemerisEngine::Swiss, folder.string());
    ASSERT_EQ(named.filesFolder, folder.string());
    EXPECT_EQ(EphemerisName(named), "Swiss Ephemeris 2.10, files in " + folder.string());

    OptionTable options;
    ChartStore store;
    const BirthData natal = Person(4, 7, 1990, 3.15f, "P.M.", 4, 77.02f, 38.53f);
    ASSERT_TRUE(ComputeChartSets(
        {natal, natal, AgeYears(natal, natal), HouseSystem::Placidus, options, named}, store));
    EXPECT_EQ(EphemerisReportLine(store.ephemeris), "Positions: Swiss Ephemeris 2.10, analytical");
    const double jd = JulianDayNumber(1990, 7, 4) - 0.5 + DayFraction(3.15f, true, 4);
    EXPECT_LE(Gap(store.natal.points.longitude[Mars], Calc(SE_MARS, jd).longitude), 1e-9);

    // Each resolved choice keeps its own record; a fresh one names its folder.
    const Ephemeris again = ResolveEphemeris(EphemerisEngine::Swiss, folder.string());
    EXPECT_EQ(EphemerisName(again), "Swiss Ephemeris 2.10, files in " + folder.string());
    EXPECT_EQ(EphemerisName(WithOwnSourceRecord(store.ephemeris)),
              "Swiss Ephemeris 2.10, files in " + folder.string());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace solvaris
