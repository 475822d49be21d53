// The birth record and its clock, the angles and the houses the points fall in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/angles.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "chart/house_cusps.hpp"
#include "chart/house_system.hpp"
#include "chart/returns.hpp"
#include "engine/angles.hpp"
#include "support/sample_people.hpp"

namespace solvaris {
namespace {

// Twelve o'clock counts as zero, for the chart's day fraction and for the
// returns' natal clock alike.
TEST(DayFraction, TwelveOClockRule) {
    struct Case {
        double clock;
        bool pm;
        double zone, fraction;
    };
    for (const Case& c : {Case{12.30, false, 0, 0.5 / 24}, Case{12.30, true, 0, 0.5 + 0.5 / 24},
                          Case{1.00, true, 0, 13.0 / 24}, Case{11.45, true, 5, 1 + 4.75 / 24},
                          Case{7.15, false, -2, 5.25 / 24}}) {
        EXPECT_NEAR(DayFraction(c.clock, c.pm, c.zone), c.fraction, 1e-12) << c.clock;
        const BirthData natal =
            Person(1, 1, 2000, static_cast<float>(c.clock), c.pm ? "P.M." : "A.M.");
        EXPECT_NEAR(NatalClockHours(natal), c.fraction * 24 - c.zone, 1e-5) << c.clock;
    }
}

TEST(Angles, AtTheEquatorEverythingIsFinite) {
    const ChartAngles a = ComputeAngles(Ephemeris{}, 2451545, 0.5, 0, 0);
    for (double v : {a.vertex, a.coAscendant, a.polarAscendant, a.equatorialAscendant}) {
        EXPECT_TRUE(v >= 0 && v < 360) << v;  // finite, NaN fails
    }
    const CuspSet p =
        ComputeCusps(HouseSystem::Placidus, {a.ramc, a.obliquity, 0, a.ascendant, a.midheaven});
    EXPECT_TRUE(std::ranges::all_of(p, [](double cusp) { return std::isfinite(cusp); }));
    // The Vertex stands west of the meridian.
    EXPECT_GE(Normalize360(a.vertex - a.midheaven), 180);
}

// Equal houses from an Ascendant at 350 wrap past 0 Aries; a cusp starts
// its house.
TEST(HousePositions, CuspsStartTheirHouses) {
    const CuspSet c = ComputeCusps(HouseSystem::EqualAscendant, {0, 23.44, 40, 350, 0});
    struct Case {
        double lon;
        const char* field;
    };
    for (const Case& k : {Case{c[7], " 4TH HOUSE"}, Case{c[7] - 0.001, " 3RD HOUSE"},
                          Case{350, " 1ST HOUSE"}, Case{359.9, " 1ST HOUSE"}, Case{0, " 1ST HOUSE"},
                          Case{19.999, " 1ST HOUSE"}, Case{260, "10TH HOUSE"}}) {
        PointArray lon{};
        lon.fill(100);
        lon[Sun] = k.lon;
        std::string text;
        HousePositions(lon, c, text);
        ASSERT_EQ(text.size(), 150u);
        EXPECT_EQ(text.substr(0, 10), k.field) << k.lon;
    }
}

TEST(BirthData, AgeLastBirthdayCoordinateTextsAndSigns) {
    struct Case {
        int nd, nm, ny, dd, dm, dy, age, lastBirthday;
    };
    for (const Case& c :
         {Case{15, 6, 1960, 15, 6, 2000, 40, 2000}, Case{15, 6, 1960, 14, 6, 2000, 39, 1999},
          Case{15, 6, 1960, 1, 5, 2000, 39, 1999}, Case{15, 6, 1960, 1, 7, 2000, 40, 2000},
          Case{29, 2, 1960, 28, 2, 2001, 40, 2000}}) {
        const BirthData natal = Person(c.nd, c.nm, c.ny, 12.00f, "P.M.");
        const BirthData diurnal = Person(c.dd, c.dm, c.dy, 12.00f, "P.M.");
        EXPECT_EQ(AgeYears(natal, diurnal), c.age);
        EXPECT_EQ(LastBirthdayYear(natal, diurnal), c.lastBirthday);
    }
    EXPECT_EQ(LatitudeText(-0.0f), "NORTH");
    EXPECT_EQ(LongitudeText(-0.01f), "EAST");
    EXPECT_EQ(SignNumber(29.999), 1);
    EXPECT_EQ(SignNumber(30), 2);
    EXPECT_EQ(SignNumber(359.99), 12);
}

}  // namespace
}  // namespace solvaris
