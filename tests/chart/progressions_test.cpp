#include "chart/progressions.hpp"

#include <gtest/gtest.h>

#include "chart/chart_sets.hpp"
#include "engine/angles.hpp"
#include "support/sample_people.hpp"

namespace solvaris {
namespace {

TEST(Progressions, InterpolationTakesTheShortWayAndTheSolarArc) {
    struct Case {
        double value, nextYear, f, result;
    };
    for (const Case& c : {Case{355, 8, 0.5, 1.5}, Case{10, 12, 0.25, 10.5}, Case{12, 10, 0.5, 11},
                          Case{5, 355, 0.5, 0}, Case{100, 100, 0.7, 100}, Case{350, 20, 0, 350}}) {
        EXPECT_NEAR(InterpolateAngle(c.value, c.nextYear, c.f), c.result, 1e-9)
            << c.value << " " << c.nextYear;
    }
    EXPECT_NEAR(SolarArcDegrees(10, 350, 0, 5), 20, 1e-12);
    EXPECT_EQ(SolarArcDegrees(10, 350, 1, 0), 0);
    EXPECT_NEAR(SolarArcDegrees(10, 350, 1, 30), 29.566666668, 1e-9);
    EXPECT_NEAR(ProgressionFraction(2451545, 2451545 + 365.25 / 2), 0.5, 1e-12);
}

TEST(ChartSets, OnTheBirthdayProgressionsEqualTheBirthdayChart) {
    const BirthData natal = Person(15, 6, 1960, 7.30f, "A.M.", 5, 74.00f, 40.43f);
    const BirthData diurnal = Person(15, 6, 2000, 3.00f, "P.M.", 5, 74.00f, 40.43f);
    OptionTable options;
    options.Set(212, 1);
    ChartStore store;
    ASSERT_TRUE(ComputeChartSets(
        {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options}, store));
    for (int p = Sun; p <= Midheaven; ++p) {
        if (p == PartOfFortune) {
            continue;
        }
        EXPECT_NEAR(store.progressed.points.longitude[p], store.progressed.atBirthday.longitude[p],
                    1e-9)
            << p;
    }
    // Forty days after birth the progressed Sun is about forty degrees on.
    const double arc =
        Normalize360(store.progressed.points.longitude[Sun] - store.natal.points.longitude[Sun]);
    EXPECT_NEAR(arc, 38.5, 1.5);
    EXPECT_NEAR(store.solarArc.arc, arc, 1e-5);
    for (int p = Sun; p <= Midheaven; ++p) {
        EXPECT_NEAR(store.solarArc.longitude[p],
                    Normalize360(store.natal.points.longitude[p] + store.solarArc.arc), 1e-9);
    }
    EXPECT_EQ(store.solarArc.longitude[SouthNode],
              Normalize360(store.solarArc.longitude[NorthNode] + 180));
    EXPECT_EQ(store.outerRing.longitude, store.transit.points.longitude);
}

TEST(ChartSets, SolarArcAnglesWhenOption212IsZero) {
    const BirthData natal = Person(3, 2, 1971, 10.05f, "P.M.", -1, -13.24f, 52.31f);
    const BirthData diurnal = Person(20, 9, 2010, 9.00f, "A.M.", -1, -13.24f, 52.31f);
    OptionTable options;  // 212 = 0
    ChartStore store;
    ASSERT_TRUE(ComputeChartSets(
        {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Koch, options}, store));
    const PointSet& birthday = store.progressed.atBirthday;
    EXPECT_NEAR(
        Normalize360(birthday.longitude[Midheaven] - store.natal.points.longitude[Midheaven]),
        Normalize360(birthday.longitude[Sun] - store.natal.points.longitude[Sun]), 1e-9);
}

TEST(ChartSets, PartOfFortuneByOption33) {
    // A noon birth: the Sun above the horizon, near the 10th house.
    const BirthData natal = Person(21, 3, 1985, 12.00f, "P.M.", 0, 0.00f, 51.30f);
    const BirthData diurnal = natal;
    for (float option : {0.0f, 1.0f, 2.0f}) {
        OptionTable options;
        options.Set(33, option);
        ChartStore store;
        ASSERT_TRUE(ComputeChartSets({natal, diurnal, 0, HouseSystem::Placidus, options}, store));
        const PointArray& l = store.natal.points.longitude;
        const double day = Normalize360(l[Moon] + l[Ascendant] - l[Sun]);
        const double night = Normalize360(l[Sun] + l[Ascendant] - l[Moon]);
        EXPECT_NEAR(l[PartOfFortune], option == 1 ? night : day, 1e-9) << option;
    }
}

}  // namespace
}  // namespace solvaris
