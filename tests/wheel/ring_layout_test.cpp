#include "wheel/ring_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "wheel/house_sizes.hpp"
#include "wheel/ring_order.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel_test_charts.hpp"

namespace solvaris {
namespace {

using testing::EqualCusps;
using testing::ShippedWheelData;
using testing::SingleWheel;
using testing::SpreadPoints;

// Main-ring slots and angles (house 4's slot 0 lies at 272 degrees, house
// 12's at 153; slots 4 degrees apart), each radius from RADIUS.DAT.
TEST(PlaceRing, SlotsByPlaceCollisionAndCapacity) {
    struct Slot {
        int point, slot;
        double angle;
    };
    struct Case {
        const char* what;
        std::vector<std::pair<int, double>> moved;
        double firstCusp;
        std::vector<Slot> slots;
    };
    const Case cases[] = {
        {"five points within three degrees, all choosing slot 2, take consecutive slots",
         {{Sun, 100}, {Mercury, 100.5}, {Venus, 101}, {Mars, 102}, {Jupiter, 102.9}, {Saturn, 195}},
         0,
         {{Sun, 2, 280}, {Mercury, 3, 284}, {Venus, 4, 288}, {Mars, 5, 292}, {Jupiter, 6, 296}}},
        {"on the cusp", {{Sun, 90}, {Venus, 150}}, 0, {{Sun, 0, 272}}},
        {"near enough the cusp to be on it", {{Sun, 89.99999}, {Venus, 150}}, 0, {{Sun, 0, 272}}},
        {"just before the next cusp", {{Sun, 119.9999}, {Venus, 150}}, 0, {{Sun, 6, 296}}},
        {"0.1 arc-second short: on cusp 5", {{Sun, 119.99999}, {Venus, 150}}, 0, {{Sun, 0, 304}}},
        {"7 x 4.3 / 30 = 1.003", {{Sun, 94.3}, {Venus, 150}}, 0, {{Sun, 1, 276}}},
        {"slot 6 alone, taken 5 so that the point to come still fits",
         {{Sun, 118}, {Mercury, 119}, {Venus, 150}},
         0,
         {{Sun, 5, 292}, {Mercury, 6, 296}}},
        // House 12 (345 to 15) in one run: the Sun first, the Moon keeps a slot for the node.
        {"a house across Aries placed in one run",
         {{Ascendant, 15},
          {Midheaven, 285},
          {Sun, 350},
          {Moon, 13},
          {NorthNode, 14},
          {SouthNode, 183},
          {Pluto, 300}},
         15,
         {{Sun, 1, 157}, {Moon, 5, 173}, {NorthNode, 6, 177}}},
    };
    const WheelData data = ShippedWheelData();
    for (const Case& c : cases) {
        PointArray lon = SpreadPoints();
        for (const auto& [point, longitude] : c.moved) {
            lon[point] = longitude;
        }
        const RingLayout layout =
            LayRing(SingleWheel(lon, EqualCusps(c.firstCusp)), RingRole::Main, data);
        for (const Slot& slot : c.slots) {
            EXPECT_EQ(layout.slotOf[slot.point], slot.slot) << c.what << ": " << slot.point;
            EXPECT_DOUBLE_EQ(layout.angleOf[slot.point], slot.angle) << c.what;
        }
        for (const PlacedPoint& placed : layout.placed) {
            EXPECT_EQ(placed.radius,
                      data.radius[static_cast<std::size_t>(std::lround(placed.angleDegrees))])
                << c.what;
        }
    }
}

TEST(PlaceRing, CrowdedHouseDropsSouthNodeAndPartOfFortune) {
    PointArray lon = SpreadPoints();
    const int crowd[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, SouthNode, PartOfFortune};
    for (int i = 0; i < 8; ++i) {
        lon[crowd[i]] = 100 + i;
    }
    const RingLayout layout = LayRing(SingleWheel(lon), RingRole::Main, ShippedWheelData());
    EXPECT_EQ(layout.slotOf[SouthNode], -1);
    EXPECT_EQ(layout.slotOf[PartOfFortune], -1);
    EXPECT_EQ(layout.placed.size(), 13u);
    // The six drawn share the house's seven slots.
    std::set<int> slots;
    for (int i = 0; i < 6; ++i) {
        slots.insert(layout.slotOf[crowd[i]]);
        EXPECT_LE(layout.slotOf[crowd[i]], 6);
    }
    EXPECT_EQ(slots.size(), 6u);

    // Seven points fit: nothing is dropped.
    lon[PartOfFortune] = 200;
    EXPECT_EQ(LayRing(SingleWheel(lon), RingRole::Main, ShippedWheelData()).placed.size(), 15u);
}

ExtraPlace ExtraAt(ExtraPoint point, double longitude, double dailyMotion = 0.1) {
    return {point, longitude, 0, longitude + dailyMotion, 0, 0};
}

// Extra points join the ring in the houses their longitudes fall in; a
// house with more points than slots leaves out its South Node and Part of
// Fortune, then as many extra points as it takes, least asked for first.
TEST(PlaceRing, ExtraPointsTakeTheirHousesAndLeaveACrowdedHouseFirst) {
    const int lilith = PointNumberOf(ExtraPoint::MeanLilith);
    const int chiron = PointNumberOf(ExtraPoint::Chiron);
    const int vesta = PointNumberOf(ExtraPoint::Vesta);
    struct Expected {
        int point;
        int house;  // 0: left out
    };
    struct Case {
        const char* what;
        std::vector<std::pair<int, double>> moved;
        std::vector<ExtraPlace> extra;
        std::vector<Expected> expected;
        std::size_t placed;
    };
    const std::vector<std::pair<int, double>> sixInHouse4{
        {Sun, 100}, {Mercury, 101}, {Venus, 102}, {Mars, 103}, {Jupiter, 104}, {Saturn, 105}};
    auto withNodes = sixInHouse4;
    withNodes.insert(withNodes.end(), {{SouthNode, 106}, {PartOfFortune, 107}});
    const Case cases[] = {
        {"room everywhere",
         {},
         {ExtraAt(ExtraPoint::MeanLilith, 50), ExtraAt(ExtraPoint::Chiron, 200, -0.02)},
         {{lilith, 2}, {chiron, 7}},
         17},
        {"seven in a house of seven slots: all stay",
         sixInHouse4,
         {ExtraAt(ExtraPoint::MeanLilith, 106)},
         {{lilith, 4}, {Saturn, 4}},
         16},
        {"eight: the chart points stay, the extra point goes",
         sixInHouse4,
         {ExtraAt(ExtraPoint::MeanLilith, 106), ExtraAt(ExtraPoint::Chiron, 107)},
         {{lilith, 4}, {chiron, 0}, {Saturn, 4}},
         16},
        {"nodes and Part of Fortune first, then Vesta before Chiron before Lilith",
         withNodes,
         {ExtraAt(ExtraPoint::MeanLilith, 108), ExtraAt(ExtraPoint::Chiron, 109),
          ExtraAt(ExtraPoint::Vesta, 110)},
         {{SouthNode, 0}, {PartOfFortune, 0}, {vesta, 0}, {chiron, 0}, {lilith, 4}},
         14},
    };
    for (const Case& c : cases) {
        PointArray lon = SpreadPoints();
        for (const auto& [point, longitude] : c.moved) {
            lon[point] = longitude;
        }
        WheelState state = SingleWheel(lon);
        state.mainExtra = c.extra;
        const RingLayout layout = LayRing(state, RingRole::Main, ShippedWheelData());
        EXPECT_EQ(layout.placed.size(), c.placed) << c.what;
        for (const Expected& e : c.expected) {
            const auto placed = std::ranges::find(layout.placed, e.point, &PlacedPoint::point);
            if (e.house == 0) {
                EXPECT_EQ(placed, layout.placed.end()) << c.what << ": " << e.point;
                EXPECT_EQ(layout.slotOf[e.point], -1) << c.what << ": " << e.point;
                continue;
            }
            ASSERT_NE(placed, layout.placed.end()) << c.what << ": " << e.point;
            EXPECT_EQ(placed->house, e.house) << c.what << ": " << e.point;
            EXPECT_GE(layout.slotOf[e.point], 0) << c.what << ": " << e.point;
        }
    }
    // Only a point moving backward is marked.
    WheelState state = SingleWheel(SpreadPoints());
    state.mainExtra = {ExtraAt(ExtraPoint::MeanLilith, 50),
                       ExtraAt(ExtraPoint::Chiron, 359.99, -0.02),
                       ExtraAt(ExtraPoint::Juno, 0.01, 0.02)};
    for (const PlacedPoint& placed : LayRing(state, RingRole::Main, ShippedWheelData()).placed) {
        EXPECT_EQ(placed.retrograde, placed.point == chiron) << placed.point;
    }
}

TEST(PlaceRing, InnerRingsUseTheMainHousesAndTheirOwnRadii) {
    PointArray lon = SpreadPoints();
    WheelState state = SingleWheel(lon);
    state.layout = WheelLayout::Dual;
    state.secondSet = lon;
    state.secondSet[Sun] = 100;  // house 4 of the main chart
    const RingLayout inner = LayRing(state, RingRole::Inner, ShippedWheelData());
    const int slot = 1;  // 5 x 10 / 30
    EXPECT_EQ(inner.slotOf[Sun], slot);
    EXPECT_DOUBLE_EQ(inner.angleOf[Sun], 273 + 5.3 * slot);
    const auto sun = std::ranges::find(inner.placed, Sun, &PlacedPoint::point);
    ASSERT_NE(sun, inner.placed.end());
    EXPECT_DOUBLE_EQ(sun->radius, 119 + (120 - 119) * slot / 5.0);
    state.layout = WheelLayout::Triple;
    state.thirdSet = state.secondSet;
    EXPECT_DOUBLE_EQ(LayRing(state, RingRole::Inner, ShippedWheelData()).angleOf[Sun],
                     273 + 5.3 * slot);
    EXPECT_DOUBLE_EQ(LayRing(state, RingRole::Middle, ShippedWheelData()).angleOf[Sun],
                     272 + 3.9 * 2);
}

TEST(PlaceRing, PointsWithoutAHouseAreLeftOut) {
    WheelState state = SingleWheel(SpreadPoints());
    state.mainHouses.clear();
    EXPECT_TRUE(LayRing(state, RingRole::Main, ShippedWheelData()).placed.empty());
    state = SingleWheel(SpreadPoints(), CuspSet{});  // every house of no size
    EXPECT_TRUE(LayRing(state, RingRole::Main, ShippedWheelData()).placed.empty());
}

// The order of visit (largest first, house 12 across Aries in one run) is the slot table's.
TEST(PlaceRing, HouseNumbers) {
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 1), 10);
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 2), 1);
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 3), 0);
    EXPECT_EQ(HouseNumberOf("          13TH HOUSE", 1), 0);
    EXPECT_EQ(HouseNumberOf("          13TH HOUSE", 2), 0);
}

TEST(WheelModel, HouseSizes) {
    CuspSet cusps = EqualCusps(0);
    cusps[SlotOfHouse(3)] = 100;
    cusps[SlotOfHouse(5)] = cusps[SlotOfHouse(4)];
    const HouseSizes sizes = ComputeHouseSizes(cusps);
    EXPECT_DOUBLE_EQ(HouseSizeOf(sizes, 2), 70);
    EXPECT_DOUBLE_EQ(HouseSizeOf(sizes, 3), 350);  // 100 back to 90
    EXPECT_DOUBLE_EQ(HouseSizeOf(sizes, 4), 7.5);  // two equal cusps
    EXPECT_DOUBLE_EQ(HouseSizeOf(sizes, 12), 30);  // 330 to 0 across Aries
}

}  // namespace
}  // namespace solvaris
