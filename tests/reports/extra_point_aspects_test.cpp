// The extra points' lines of the natal aspect list: the orbs of a planet
// Mercury to Pluto, closed at their edges, under either orb scheme.
#include "reports/extra_point_aspects.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"

namespace solvaris {
namespace {

OptionTable ReportOrbs(bool planetClasses) {
    OptionTable options;
    // Conjunction 8, sextile 6, square 7, trine 5, opposition 9; the minor
    // ones 2; the quintile family off.
    const float orbs[] = {8, 6, 7, 5, 9, 1, 2, 2, 2, 2, 1, 1, 2, 1, 1};
    for (int k = opt::FirstReportOrb; k <= opt::LastReportOrb; ++k) {
        options.Set(k, orbs[k - 1]);
    }
    options.Set(opt::OrbScheme, planetClasses ? 1 : 0);
    return options;
}

ExtraPlace Place(ExtraPoint point, double longitude) {
    return {point, longitude, 0, longitude, 0, 0};
}

// The line of the pair when the list has one.
std::string LineOf(const std::string& lines, std::string_view name1, std::string_view name2) {
    const std::string start = "  " + std::string(name1) + std::string(name2);
    const auto at = lines.find(start);
    return at == std::string::npos ? std::string()
                                   : lines.substr(at, lines.find('\n', at) - at + 1);
}

TEST(ExtraPointAspects, FoundAtTheEdgeOfTheOrbAndNotJustPastIt) {
    struct Case {
        const char* what;
        bool planetClasses;
        int point;
        double pointLongitude;
        double extraLongitude;
        const char* line;  // empty: no aspect
    };
    // Chiron at 250; the point placed so that the separation is the angle
    // plus the orb, or a hair more (1e-4 degree survives single precision).
    for (const Case& c : {
             Case{"trine orb 5", false, Jupiter, 250 - 125, 250,
                  "  JUPITER   CHIRON     125d 00m          5d 00m\r\n"},
             Case{"past the trine orb", false, Jupiter, 250 - 125.0001, 250, ""},
             Case{"square orb 7, from below", false, Ascendant, 250 - 83, 250,
                  "  ASC       CHIRON      83d 00m          7d 00m\r\n"},
             Case{"short of the square orb", false, Ascendant, 250 - 82.9999, 250, ""},
             Case{"opposition orb 9", false, Moon, 250 - 171, 250,
                  "  MOON      CHIRON     171d 00m          9d 00m\r\n"},
             Case{"class orb 8 with the Sun", true, Sun, 250 - 52, 250,
                  "  SUN       CHIRON      52d 00m          8d 00m\r\n"},
             Case{"past the Sun's class orb", true, Sun, 250 - 51.9999, 250, ""},
             Case{"class orb 6 with a planet", true, Saturn, 250 - 84, 250,
                  "  SATURN    CHIRON      84d 00m          6d 00m\r\n"},
             Case{"past the planet's class orb", true, Saturn, 250 - 83.9999, 250, ""},
             Case{"class orb 3 with the node, conjunction", true, NorthNode, 253, 250,
                  "  N. NODE   CHIRON       3d 00m          3d 00m\r\n"},
             Case{"the node's only aspect is the conjunction", true, NorthNode, 250 - 60, 250, ""},
             Case{"the south node is not listed", false, SouthNode, 250, 250, ""},
         }) {
        SCOPED_TRACE(c.what);
        PointArray longitude{};
        // The other points where nothing reaches Chiron: 20 degrees from it
        // is no aspect under either scheme.
        longitude.fill(270);
        longitude[c.point] = c.pointLongitude < 0 ? c.pointLongitude + 360 : c.pointLongitude;
        const std::string lines = ExtraPointListLines(
            ReportOrbs(c.planetClasses), longitude, {Place(ExtraPoint::Chiron, c.extraLongitude)});
        EXPECT_EQ(LineOf(lines, ReportName(c.point), "CHIRON    "), c.line) << lines;
    }
}

TEST(ExtraPointAspects, ChartPointsFirstThenTheExtraPointsAmongThemselves) {
    PointArray longitude{};
    longitude.fill(100);
    const std::vector<ExtraPlace> extra = {Place(ExtraPoint::MeanLilith, 100.5),
                                           Place(ExtraPoint::Chiron, 220)};
    const std::string lines = ExtraPointListLines(ReportOrbs(false), longitude, extra);
    // Each of the fourteen listed points conjoins Lilith and trines Chiron;
    // then Lilith trines Chiron by 119d 30m.
    std::string expected;
    for (int p = Sun; p <= kPointCount; ++p) {
        if (p != SouthNode) {
            expected +=
                "  " + std::string(ReportName(p)) + "LILITH       0d 30m          0d 30m\r\n";
            expected +=
                "  " + std::string(ReportName(p)) + "CHIRON     120d 00m          0d 00m\r\n";
        }
    }
    expected += "  LILITH    CHIRON     119d 30m          0d 30m\r\n";
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ExtraPointListLines(ReportOrbs(false), longitude, {}), "");
}

}  // namespace
}  // namespace solvaris
