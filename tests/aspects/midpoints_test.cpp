#include "aspects/midpoints.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "base/option_numbers.hpp"
#include "reports/midpoint_report.hpp"

namespace solvaris {
namespace {

TEST(Midpoints, NearerSideAcrossAriesAndOpposites) {
    // The midpoint on the shorter arc, whichever point comes first; two
    // points exactly opposite take the midpoint 90 degrees ahead of the first.
    using Case = std::tuple<double, double, double>;
    const Case cases[] = {
        {350, 10, 0},    {10, 350, 0},    {340, 30, 5}, {359.5, 0.25, 359.875},
        {100, 200, 150}, {200, 100, 150}, {0, 180, 90}, {180, 0, 270},
        {45, 45, 45},    {300, 60, 0},    {60, 300, 0},
    };
    for (const auto& [a, b, midpoint] : cases) {
        EXPECT_NEAR(NearerMidpoint(a, b), midpoint, 1e-12) << a << ' ' << b;
    }
}

// A chart whose other points stand far from the ones a case reads.
PointArray Chart(double sun, double moon, double mars) {
    PointArray longitude{};
    for (int p = 1; p <= kPointCount; ++p) {
        longitude[p] = 3.7 + 11.3 * p;
    }
    longitude[Sun] = sun;
    longitude[Moon] = moon;
    longitude[Mars] = mars;
    return longitude;
}

TEST(Midpoints, PicturesAtTheOrbsEdgeOnTheDial) {
    // Mars against the Sun/Moon midpoint with the default orb of 1d 30m.
    struct Case {
        double sun, moon, mars;
        bool listed;
        int aspectDeg;
    };
    const Case cases[] = {
        {10, 30, 21.5, true, 0},         // midpoint 20: exactly at the orb's edge
        {10, 30, 18.5, true, 0},         // the other edge
        {10, 30, 21.50001, false, 0},    // just beyond
        {10, 30, 111.5, true, 90},       // the square on the dial's conjunction
        {10, 30, 201.5, true, 180},      // the opposition
        {10, 30, 63.5, true, 45},        // the semi-square on the dial's opposition
        {10, 30, 155, true, 135},        // the sesquisquare, exact
        {10, 30, 66.50001, false, 45},   // beyond the semi-square
        {350, 10, 1.5, true, 0},         // midpoint 0 Aries, not 180
        {350, 10, 358.5, true, 0},       // across 0 Aries the other way
        {350, 10, 358.49999, false, 0},  // just beyond
        {350, 10, 178.5, true, 180},     // the far midpoint's place: an opposition
    };
    for (const Case& c : cases) {
        const auto pictures = PlanetaryPictures(Chart(c.sun, c.moon, c.mars), 1.5);
        const auto found = std::find_if(pictures.begin(), pictures.end(), [](const auto& p) {
            return p.point == Mars && p.midpoint.first == Sun && p.midpoint.second == Moon;
        });
        ASSERT_EQ(found != pictures.end(), c.listed) << c.mars;
        if (c.listed) {
            EXPECT_EQ(found->aspectDeg, c.aspectDeg) << c.mars;
        }
    }
    OptionTable options;
    EXPECT_EQ(MidpointOrbDeg(options), 1.5);  // no option 223 in the file
    options.Set(opt::MidpointOrbDeg, 2);
    EXPECT_EQ(MidpointOrbDeg(options), 2.0);
}

TEST(Midpoints, NinetyDegreeDialOrder) {
    // Dial positions 10, 5, 5 and 89.99: the tie keeps pair order, and the
    // minutes are kept at 59 as a longitude's are.
    const std::vector<Midpoint> midpoints = {
        {Sun, Moon, 100}, {Sun, Mercury, 5}, {Sun, Venus, 275}, {Sun, Mars, 359.999}};
    const std::vector<Midpoint> dial = InDialOrder(midpoints);
    const std::vector<double> expected = {5, 275, 100, 359.999};
    ASSERT_EQ(dial.size(), expected.size());
    for (std::size_t k = 0; k < dial.size(); ++k) {
        EXPECT_EQ(dial[k].longitude, expected[k]) << k;
    }
    EXPECT_EQ(DialText(275), "05d 00m");
    EXPECT_EQ(DialText(359.999), "89d 59m");
    EXPECT_EQ(MidpointLabel(dial[0]), "SUN/MER");
    EXPECT_EQ(MidpointLabel({Ascendant, Midheaven, 0}), "ASC/MC");
    // A whole chart: 91 pairs (14 points without the south node), sorted.
    const auto all = InDialOrder(ChartMidpoints(Chart(10, 30, 50)));
    EXPECT_EQ(all.size(), 91u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const auto& x, const auto& y) {
        return DialPosition(x.longitude) < DialPosition(y.longitude);
    }));
}

}  // namespace
}  // namespace solvaris
