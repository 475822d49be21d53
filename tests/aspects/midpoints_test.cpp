#include "aspects/midpoints.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/angles.hpp"
#include "reports/midpoint_report.hpp"

namespace solvaris {
namespace {

TEST(Midpoints, NearerSideAcrossAriesAndOpposites) {
    // The shorter arc whichever point comes first; exactly opposite, the
    // midpoint 90 degrees ahead of the first.
    using Case = std::tuple<double, double, double>;
    for (const auto& [a, b, midpoint] :
         {Case{350, 10, 0}, Case{10, 350, 0}, Case{340, 30, 5}, Case{359.5, 0.25, 359.875},
          Case{200, 100, 150}, Case{0, 180, 90}, Case{180, 0, 270}, Case{60, 300, 0}}) {
        EXPECT_NEAR(NearerMidpoint(a, b), midpoint, 1e-12) << a << ' ' << b;
    }
}

TEST(Midpoints, PicturesAtTheOrbsEdgeOnTheDial) {
    // Mars against the Sun/Moon midpoint with the default orb of 1d 30m, the
    // other points far away.
    struct Case {
        double sun, moon, mars;
        int aspectDeg;  // -1: not listed
    };
    const Case cases[] = {
        {10, 30, 21.5, 0},        {10, 30, 18.5, 0},       // midpoint 20: at the orb's edges
        {10, 30, 21.50001, -1},   {10, 30, 111.5, 90},     // just beyond; the square
        {10, 30, 201.5, 180},     {10, 30, 63.5, 45},      // the dial's opposition: 45
        {10, 30, 155, 135},       {10, 30, 66.50001, -1},  // and 135 degrees
        {350, 10, 1.5, 0},        {350, 10, 358.5, 0},     // midpoint 0 Aries, not 180
        {350, 10, 358.49999, -1}, {350, 10, 178.5, 180},
    };
    for (const Case& c : cases) {
        PointArray longitude{};
        for (int p = 1; p <= kPointCount; ++p) {
            longitude[p] = 3.7 + 11.3 * p;
        }
        longitude[Sun] = c.sun;
        longitude[Moon] = c.moon;
        longitude[Mars] = c.mars;
        const auto pictures = PlanetaryPictures(longitude, MidpointOrbDeg(OptionTable{}));
        const auto found = std::find_if(pictures.begin(), pictures.end(), [](const auto& p) {
            return p.point == Mars && p.midpoint.first == Sun && p.midpoint.second == Moon;
        });
        EXPECT_EQ(found == pictures.end() ? -1 : found->aspectDeg, c.aspectDeg) << c.mars;
    }
}

TEST(Midpoints, NinetyDegreeDialOrder) {
    // Dial positions 10, 5, 5 and 89.999: the tie keeps pair order, and the
    // minutes are kept at 59 as a longitude's are.
    const std::vector<Midpoint> dial = InDialOrder(
        {{Sun, Moon, 100}, {Sun, Mercury, 5}, {Sun, Venus, 275}, {Ascendant, Midheaven, 359.999}});
    std::vector<std::string> texts;
    for (const Midpoint& m : dial) {
        texts.push_back(MidpointLabel(m) + " " + DialText(m.longitude));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"SUN/MER 05d 00m", "SUN/VEN 05d 00m",
                                               "SUN/MOO 10d 00m", "ASC/MC 89d 59m"}));
    EXPECT_EQ(ChartMidpoints(PointArray{}).size(), 91u);  // 14 points without the south node
}

}  // namespace
}  // namespace solvaris
