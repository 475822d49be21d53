// The theories' own bounds and equations; their positions are the oracle's.
#include <gtest/gtest.h>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/orbit.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"

namespace solvaris {
namespace {

TEST(Sun, DistancesFromTheAngles) {
    struct Case {
        double sun, asc, fromAsc, fromDesc;
    };
    for (const Case& c : {Case{10, 350, 20, 160}, Case{350, 10, 20, 160}, Case{100, 90, 10, 170},
                          Case{275, 90, 175, 5}, Case{0, 0, 0, 180}}) {
        const SunAngleDistances d = SunDistancesFromAngles(c.sun, c.asc);
        EXPECT_NEAR(d.fromAscendant, c.fromAsc, 1e-12) << c.sun << " " << c.asc;
        EXPECT_NEAR(d.fromDescendant, c.fromDesc, 1e-12) << c.sun << " " << c.asc;
    }
}

// The true node keeps near the mean one (the latitude and the mean node:
// PositionsOracle).
TEST(Moon, TrueNodeStaysNearTheMeanNode) {
    double maxNodeGap = 0;
    for (int day = 0; day < 6800; day += 3) {  // a full nodal cycle
        const MoonResult m = MoonPosition(0.8 + day / 36525.0);
        double gap = std::fabs(Normalize360(m.trueNode) - m.meanNode);
        maxNodeGap = std::max(maxNodeGap, std::min(gap, 360 - gap));
    }
    EXPECT_LT(maxNodeGap, 2.0);
    EXPECT_GT(maxNodeGap, 1.0);  // the true node does swing
    const double nodeMotion = MoonPosition(1 + 1 / 36525.0).meanNode - MoonPosition(1).meanNode;
    EXPECT_NEAR(nodeMotion, -0.053, 0.0005);
}

TEST(Orbit, KeplerSolution) {
    EXPECT_EQ(SolveKepler(123.4, 0), 123.4);
    // E - e sin E = M, the equation itself, for the tabulated range of e.
    for (double e : {0.0167, 0.0934, 0.2056}) {
        for (double m : {1.0, 90.0, 179.0, 181.0, 359.0, 149647.3}) {
            const double ecc = SolveKepler(m, e);
            EXPECT_NEAR(ecc - e * 180 / PI * SinDeg(ecc), m, 1e-6) << e << " " << m;
        }
    }
}

// The series and the general precession (50.29" a year) at J2000, tighter
// than the oracle's bound on the geocentric Pluto.
TEST(Pluto, SeriesAndPrecessionAtJ2000) {
    const Heliocentric h = PlutoSeries(1);
    EXPECT_NEAR(h.longitude, 249.85, 0.01);
    EXPECT_NEAR(h.latitude, 11.17, 0.01);
    EXPECT_NEAR(h.radius, 30.22, 0.01);
    EXPECT_NEAR(PlutoPrecession(2451545), 50 * 50.29 / 3600, 0.0005);
}

}  // namespace
}  // namespace solvaris
