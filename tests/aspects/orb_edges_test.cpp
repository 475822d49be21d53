// Every aspect test at the exact edge of its orb, for every aspect and every
// class of point: in at the edge, out just past it, on both sides of exact.
#include <gtest/gtest.h>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "engine/chart_point.hpp"

namespace solvaris {
namespace {

struct Edge {
    double separation;
    bool inside;
};

// The separations at and just past `angle` +- `orb`; the opposition and
// the conjunction reach 180 and 0 from one side only.
std::vector<Edge> EdgesOf(double angle, double orb) {
    constexpr double kPast = 0.001;  // degrees, well above single precision at 180
    std::vector<Edge> edges;
    if (angle > 0) {
        edges.push_back({angle - orb, true});
        edges.push_back({angle - orb - kPast, false});
    }
    if (angle < 180) {
        edges.push_back({angle + orb, true});
        edges.push_back({angle + orb + kPast, false});
    }
    edges.push_back({angle, true});
    return edges;
}

TEST(OrbEdges, TheTableTestAtEveryAspectsOwnOrb) {
    // Angles written out here, not read from the program's tables.
    const std::pair<int, double> aspects[] = {
        {Conjunction, 0},  {Sextile, 60},      {Square, 90},         {Trine, 120},
        {Opposition, 180}, {SemiSextile, 30},  {SemiSquare, 45},     {Sesquisquare, 135},
        {Quincunx, 150},   {SemiQuintile, 36}, {Nonagen, 40},        {Quintile, 72},
        {Trecile, 108},    {BiQuintile, 144},  {Septile, 360.0 / 7},
    };
    // Each code its own orb, so that a test reading its neighbour's entry is
    // seen: 0.6 degree for the conjunction up to 2.1 for the septile.
    OrbTable orbs{};
    for (int code = Conjunction; code <= Septile; ++code) {
        orbs[static_cast<std::size_t>(code - 1)] = static_cast<float>(0.4 + 0.1 * code);
    }
    for (const auto& [code, angle] : aspects) {
        const double orb = orbs[static_cast<std::size_t>(code - 1)];
        for (const Edge& edge : EdgesOf(angle, orb)) {
            const FoundAspect found = TableTest(edge.separation, orbs, true, true);
            EXPECT_EQ(found.code == code, edge.inside)
                << "code " << code << " at " << edge.separation << " found " << found.code;
            if (edge.inside && code != Septile) {
                EXPECT_NEAR(found.d, edge.separation - angle, 1e-9) << code;
            }
        }
    }
}

TEST(OrbEdges, ThePlanetClassTestAtEachClassesOrb) {
    struct PairCase {
        int p1, p2;
        double orb;
        bool majorAspects;  // with a node only the conjunction
    };
    const PairCase pairs[] = {
        {Sun, Mars, 8, true},       {Mars, Moon, 8, true},        {Mercury, Saturn, 6, true},
        {Sun, NorthNode, 3, false}, {SouthNode, Venus, 3, false},
    };
    const std::pair<int, double> aspects[] = {
        {Conjunction, 0}, {Sextile, 60}, {Square, 90}, {Trine, 120}, {Opposition, 180}};
    for (const PairCase& pair : pairs) {
        for (const auto& [code, angle] : aspects) {
            for (const Edge& edge : EdgesOf(angle, pair.orb)) {
                const FoundAspect found =
                    ClassTest(edge.separation, pair.p1, pair.p2, PointNumbering::ChartPoints);
                const bool expected = edge.inside && (code == Conjunction || pair.majorAspects);
                EXPECT_EQ(found.code == code, expected)
                    << pair.p1 << '-' << pair.p2 << " code " << code << " at " << edge.separation;
            }
        }
    }
}

TEST(OrbEdges, TheLunationAndFixedTestsAtTheirOneOrb) {
    const std::pair<int, double> aspects[] = {
        {Conjunction, 0}, {Sextile, 60}, {Square, 90}, {Trine, 120}, {Opposition, 180}};
    for (const auto& [code, angle] : aspects) {
        for (const Edge& edge : EdgesOf(angle, 2.5)) {
            EXPECT_EQ(MajorAspectTest(edge.separation, 2.5).code == code, edge.inside)
                << code << " at " << edge.separation;
        }
        for (const Edge& edge : EdgesOf(angle, 1)) {
            EXPECT_EQ(FixedTest(edge.separation).code == code, edge.inside)
                << code << " at " << edge.separation;
        }
    }
    for (const auto& [code, angle] : {std::pair<int, double>{SemiSextile, 30},
                                      {SemiSquare, 45},
                                      {Sesquisquare, 135},
                                      {Quincunx, 150}}) {
        for (const Edge& edge : EdgesOf(angle, 1)) {
            EXPECT_EQ(FixedTest(edge.separation).code == code, edge.inside)
                << code << " at " << edge.separation;
        }
    }
}

}  // namespace
}  // namespace solvaris
