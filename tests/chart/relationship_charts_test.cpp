// The composite and Davison charts worked by hand: the nearer midpoints of
// longitudes, the midpoint moment in universal time and the great-circle
// midpoint of two places.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/composite_chart.hpp"
#include "chart/davison_chart.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"

namespace solvaris {
namespace {

TEST(RelationshipCharts, MidpointsMomentsAndPlacesWorkedByHand) {
    struct Midpoint {
        double a, b, expected;
    };
    const Midpoint midpoints[] = {
        {10, 50, 30},     // the plain case: 20 degrees on from each
        {350, 20, 5},     // across 0 Aries: the 30-degree arc, not the 330-degree one
        {20, 350, 5},     // the same from the other side
        {100, 300, 20},   // the shorter arc runs 300 -> 360 -> 100 (160 degrees); 300 + 80
        {0, 180, 90},     // opposite: 90 degrees on from the first
        {180, 0, 270},    // and so from this first
        {359.5, 0.5, 0},  // on 0 Aries itself
    };
    for (const Midpoint& m : midpoints) {
        EXPECT_NEAR(std::fmod(NearerMidpoint(m.a, m.b) + 360, 360), m.expected, 1e-12)
            << m.a << " " << m.b;
    }

    // 2000-01-01 0:00 UT is day number 2451545 (the calendar's check value)
    // and fraction 0; 2000-01-03 12:00 UT is 2451547 + 0.5. Their mean,
    // 2451546.25, is 2000-01-02 6:00 UT. A year and a half day apart: from
    // 1990-06-10 8:00 to 1991-06-10 20:00 is 365 days 12 hours; half of it,
    // 182 days 18 hours, after the first is 1990-12-10 2:00.
    struct Moment {
        ChartMoment a, b;
        CivilDate date;
        double hours;
    };
    const double jan1 = JulianDayNumber(2000, 1, 1);
    ASSERT_EQ(jan1, 2451545);
    const Moment moments[] = {
        {{jan1, 0}, {jan1 + 2, 0.5}, {2000, 1, 2}, 6},
        {{JulianDayNumber(1990, 6, 10), 8 / 24.0},
         {JulianDayNumber(1991, 6, 10), 20 / 24.0},
         {1990, 12, 10},
         2},
    };
    for (const Moment& m : moments) {
        const ChartMoment mid = MidpointMoment(m.a, m.b);
        const CivilDate date = CalendarDateOfDayNumber(mid.dayNumber);
        EXPECT_EQ(date.year, m.date.year);
        EXPECT_EQ(date.month, m.date.month);
        EXPECT_EQ(date.day, m.date.day);
        EXPECT_NEAR(mid.dayFraction * 24, m.hours, 1e-7);
    }

    // Places west and north positive.
    struct Place {
        GeoPlace a, b;
        std::optional<GeoPlace> expected;
    };
    const Place places[] = {
        // One meridian: the mean latitude.
        {{10, 20}, {10, 60}, GeoPlace{10, 40}},
        // The equator: the mean longitude.
        {{0, 0}, {-90, 0}, GeoPlace{-45, 0}},
        // Across the date line on the equator: 180, not 0.
        {{-170, 0}, {170, 0}, GeoPlace{180, 0}},
        // 45N on opposite meridians: the shorter arc (90 degrees) runs over
        // the pole, which keeps the first longitude.
        {{0, 45}, {180, 45}, GeoPlace{0, 90}},
        // On one parallel the great circle bows poleward: two places at 60N
        // 90 degrees of longitude apart meet the arc's midpoint on the middle
        // meridian at atan(tan 60 / cos 45) = atan(sqrt 6) = 67.79 degrees.
        {{0, 60}, {90, 60}, GeoPlace{45, std::atan(std::sqrt(6.0)) * 180 / M_PI}},
        // Antipodes: every great circle through one passes the other.
        {{10, 20}, {-170, -20}, std::nullopt},
    };
    for (const Place& p : places) {
        const auto mid = GreatCircleMidpoint(p.a, p.b);
        ASSERT_EQ(mid.has_value(), p.expected.has_value()) << p.a.longitude << " " << p.b.longitude;
        if (mid) {
            EXPECT_NEAR(std::fabs(std::remainder(mid->longitude - p.expected->longitude, 360)), 0,
                        1e-8);
            EXPECT_NEAR(mid->latitude, p.expected->latitude, 1e-8);
        }
    }
}

}  // namespace
}  // namespace solvaris
