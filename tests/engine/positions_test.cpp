#include "engine/positions.hpp"

#include <gtest/gtest.h>

#include "engine/angles.hpp"
#include "engine/sidereal.hpp"

namespace solvaris {
namespace {

// `trueNode`, when given, keeps the true node between evaluations.
PositionTables Compute(double dayNumber, double ut, double asc, bool motion = false,
                       double* trueNode = nullptr) {
    double unset = kTrueNodeUnset;
    PositionRequest r;
    r.dayNumber = dayNumber;
    r.utFraction = ut;
    r.ascendant = asc;
    r.midheaven = Normalize360(asc - 90);
    r.obliquityRad = DegToRad(Obliquity((dayNumber - 2415020 + ut - 0.5) / 36525));
    r.equatorialMotion = motion;
    PositionTables t;
    EXPECT_TRUE(ComputePositions(r, t, trueNode ? *trueNode : unset));
    return t;
}

TEST(Positions, DerivedPointsAndSunAtJ2000) {
    double trueNode = kTrueNodeUnset;
    const PositionTables t = Compute(2451545, 0.5, 123.0, false, &trueNode);
    EXPECT_NEAR(t.nextDayLongitude[Sun] - t.longitude[Sun], 1.02, 0.005);
    EXPECT_EQ(t.longitude[SouthNode], Normalize360(t.longitude[NorthNode] + 180));
    EXPECT_EQ(t.longitude[PartOfFortune],
              Normalize360(t.longitude[Moon] + 123.0 - t.longitude[Sun]));
    EXPECT_EQ(t.longitude[Ascendant], 123.0);
    EXPECT_EQ(t.longitude[Midheaven], 33.0);
    EXPECT_NE(trueNode, kTrueNodeUnset);
    const double captured = trueNode;  // an earlier evaluation's stays
    Compute(2451545, 0.75, 123.0, false, &trueNode);
    EXPECT_EQ(trueNode, captured);
    EXPECT_EQ(t.sunApparentLongitude, t.longitude[Sun]);
    EXPECT_NEAR(t.sunDistances.fromAscendant, 157.37, 0.01);
}

TEST(Positions, EquatorialMotionOnlyWhenAsked) {
    const PositionTables without = Compute(2451545, 0.5, 0);
    const PositionTables with = Compute(2451545, 0.5, 0, true);
    for (int p = Sun; p <= Moon; ++p) {
        EXPECT_EQ(without.nextDayDeclination[p], 0) << p;
        EXPECT_NE(with.nextDayRightAscension[p], 0) << p;
        EXPECT_EQ(with.longitude[p], without.longitude[p]) << p;
    }
    EXPECT_NEAR(with.nextDayRightAscension[Sun] - with.rightAscension[Sun], 1.1, 0.05);
}

TEST(Positions, RetrogradeMarksFollowDailyMotion) {
    // 2000 March 1: Mercury stationary-retrograde season ends; Mars direct.
    const PositionTables t = Compute(2451605, 0.5, 0);
    ASSERT_EQ(t.retrogradeMarks.size(), 15u);
    for (int p = Sun; p <= Moon; ++p) {
        const bool retro = DailyMotion(t.longitude[p], t.nextDayLongitude[p]) < 0;
        EXPECT_EQ(t.retrogradeMarks[p - 1], retro ? 'R' : ' ') << p;
    }
    EXPECT_EQ(t.retrogradeMarks[Sun - 1], ' ');
    EXPECT_EQ(t.retrogradeMarks[Moon - 1], ' ');
    EXPECT_EQ(t.retrogradeMarks.substr(10), "     ");
    EXPECT_NEAR(DailyMotion(359.5, 0.5), 1.0, 1e-12);
    EXPECT_NEAR(DailyMotion(0.5, 359.5), -1.0, 1e-12);
    EXPECT_NEAR(DailyMotion(10, 12), 2.0, 1e-12);
}

}  // namespace
}  // namespace solvaris
