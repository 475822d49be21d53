#include "wheel/ring_layout.hpp"

#include <gtest/gtest.h>

#include <set>

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

TEST(PlaceRing, FivePointsWithinThreeDegreesTakeConsecutiveSlots) {
    PointArray lon = SpreadPoints();
    // House 4 runs from 90 to 120; the points would all choose slot 2.
    lon[Sun] = 100.0;
    lon[Mercury] = 100.5;
    lon[Venus] = 101.0;
    lon[Mars] = 102.0;
    lon[Jupiter] = 102.9;
    lon[Saturn] = 195;
    const WheelData data = ShippedWheelData();
    const RingLayout layout = LayRing(SingleWheel(lon), RingRole::Main, data);
    const int points[] = {Sun, Mercury, Venus, Mars, Jupiter};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(layout.slotOf[points[i]], 2 + i) << points[i];
        EXPECT_DOUBLE_EQ(layout.angleOf[points[i]], 280.0 + 4 * i) << points[i];
    }
    for (const PlacedPoint& placed : layout.placed) {
        EXPECT_EQ(placed.radius, data.radius[static_cast<std::size_t>(placed.angleDegrees)]);
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

TEST(PlaceRing, SlotByPositionInTheHouse) {
    struct Case {
        double sun;
        int slot;
        double angle;
    };
    const Case cases[] = {
        {90.0, 0, 272},       // on the cusp
        {89.99999, 0, 272},   // so near the cusp that it counts as on it
        {119.9999, 6, 296},   // just before the next cusp
        {119.99999, 0, 304},  // within a tenth of an arc-second: on the 5th cusp
        {94.3, 1, 276},       // 7 x 4.3 / 30 = 1.003
        {115.0, 5, 292},
    };
    for (const Case& c : cases) {
        PointArray lon = SpreadPoints();
        lon[Sun] = c.sun;
        lon[Venus] = 150;
        const RingLayout layout = LayRing(SingleWheel(lon), RingRole::Main, ShippedWheelData());
        EXPECT_EQ(layout.slotOf[Sun], c.slot) << c.sun;
        EXPECT_DOUBLE_EQ(layout.angleOf[Sun], c.angle) << c.sun;
    }
}

TEST(PlaceRing, CapacityKeepsRoomForThePointsToCome) {
    PointArray lon = SpreadPoints();
    lon[Sun] = 118;  // slot 6 alone; 5 so that Mercury still fits
    lon[Mercury] = 119;
    lon[Venus] = 150;
    const RingLayout layout = LayRing(SingleWheel(lon), RingRole::Main, ShippedWheelData());
    EXPECT_EQ(layout.slotOf[Sun], 5);
    EXPECT_EQ(layout.slotOf[Mercury], 6);
}

TEST(PlaceRing, HouseAcrossAriesIsPlacedInOneRun) {
    // Cusps from 15 Aries: house 12 runs from 345 to 15 across 0 Aries.
    PointArray lon = SpreadPoints();
    lon[Ascendant] = 15;
    lon[Midheaven] = 285;
    lon[Sun] = 350;
    lon[Moon] = 13;
    lon[NorthNode] = 14;
    lon[SouthNode] = 183;
    lon[Pluto] = 300;
    const RingLayout layout =
        LayRing(SingleWheel(lon, EqualCusps(15)), RingRole::Main, ShippedWheelData());
    // In longitude order the Sun comes first in its house and leaves the
    // Moon room to keep a slot free for the North Node.
    EXPECT_EQ(layout.slotOf[Sun], 1);  // 7 x 5 / 30
    EXPECT_EQ(layout.slotOf[Moon], 5);
    EXPECT_EQ(layout.slotOf[NorthNode], 6);
}

TEST(PlaceRing, InnerRingsUseTheMainHousesAndTheirOwnRadii) {
    PointArray lon = SpreadPoints();
    WheelState state = SingleWheel(lon);
    state.layout = 1;
    state.secondSet = lon;
    state.secondSet[Sun] = 100;  // house 4 of the main chart
    const RingLayout inner = LayRing(state, RingRole::Inner, ShippedWheelData());
    const int slot = 1;  // 5 x 10 / 30
    EXPECT_EQ(inner.slotOf[Sun], slot);
    EXPECT_DOUBLE_EQ(inner.angleOf[Sun], 273 + 5.3 * slot);
    for (const PlacedPoint& placed : inner.placed) {
        if (placed.point == Sun) {
            EXPECT_DOUBLE_EQ(placed.radius, 119 + (120 - 119) * slot / 5.0);
        }
    }
    state.layout = 2;
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
    state.mainCusps.fill(0);  // every house of no size
    HousePositions(state.mainSet, state.mainCusps, state.mainHouses);
    EXPECT_TRUE(LayRing(state, RingRole::Main, ShippedWheelData()).placed.empty());
}

TEST(PlaceRing, HouseNumbersAndVisitOrder) {
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 1), 10);
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 2), 1);
    EXPECT_EQ(HouseNumberOf("10TH HOUSE 1ST HOUSE", 3), 0);
    EXPECT_EQ(HouseNumberOf("          13TH HOUSE", 1), 0);
    EXPECT_EQ(HouseNumberOf("          13TH HOUSE", 2), 0);
    // Largest first, then turned so that house 12 (350, 5) is one run:
    // placed 20, 350, 5 read backwards.
    const auto order = RingVisitOrder({{1, 5, 12}, {2, 350, 12}, {3, 20, 1}});
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0].point, 3);
    EXPECT_EQ(order[1].point, 2);
    EXPECT_EQ(order[2].point, 1);
    // All in one house: no endless turning.
    EXPECT_EQ(RingVisitOrder({{1, 5, 3}, {2, 6, 3}}).size(), 2u);
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
