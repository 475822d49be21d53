#include "wheel/ring_layout.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"
#include "engine/positions.hpp"
#include "wheel/house_sizes.hpp"
#include "wheel/ring_order.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

namespace {

// A point this close below 360 degrees into its house sits on the cusp:
// the house test puts it in the house that begins there.
constexpr double kOnCusp = 1.0 / 36000;

std::vector<RingEntry> RingEntries(const WheelState& state, RingRole role) {
    const PointArray& longitude = RingLongitudes(state, role);
    std::string houses = state.mainHouses;
    if (role != RingRole::Main) {
        HousePositions(longitude, state.mainCusps, houses);
    }
    std::vector<RingEntry> entries;
    for (int p = 1; p <= kPointCount; ++p) {
        // A point without a house (cusps that leave it out) cannot be placed.
        if (const int house = HouseNumberOf(houses, p); house != 0) {
            entries.push_back({p, longitude[p], house});
        }
    }
    for (const ExtraPlace& extra : RingExtraPoints(state, role)) {
        if (const int slot = HouseSlotOf(extra.longitude, state.mainCusps); slot != 0) {
            const bool backward = DailyMotion(extra.longitude, extra.nextDayLongitude) < 0;
            entries.push_back(
                {PointNumberOf(extra.point), extra.longitude, HouseOfSlot(slot), backward});
        }
    }
    return entries;
}

// The points that houses with more points than slots leave out: the South
// Node and the Part of Fortune of every such house, then its extra points,
// as many as it takes to fit.
std::array<bool, kWheelPointCount + 1> LeftOutOfCrowdedHouses(const std::vector<RingEntry>& order,
                                                              const std::array<int, 13>& count,
                                                              int slots) {
    std::array<bool, kWheelPointCount + 1> out{};
    std::array<int, 13> kept = count;
    for (const int point : kLeftOutWhenCrowded) {
        for (const RingEntry& entry : order) {
            const bool chartPoint = point <= kPointCount;
            if (entry.point == point && count[entry.house] > slots &&
                (chartPoint || kept[entry.house] > slots)) {
                out[point] = true;
                --kept[entry.house];
            }
        }
    }
    return out;
}

// The slot matching how far into its house a point lies, held to the
// house's slots in case the houses and the cusps disagree.
int SlotInHouse(int slots, double intoHouse, double houseSize) {
    const double slot = std::floor(slots * intoHouse / houseSize);
    return std::isfinite(slot) && slot > 0 ? static_cast<int>(std::min(slot, slots - 1.0)) : 0;
}

// The slot that leaves room for the points of the house still to come
// (count in the house, k of them placed with this one).
int CapacitySlot(int slot, int slots, int count, int k, bool slotFree) {
    if (slots - count <= slot) {
        const int room = slots - slot - count + k;
        if (room <= 0) {
            if (slot - (count - k) >= 0 && slotFree) {
                slot = slots - (count - k) - 1;
            } else {
                slot = slots - count;
            }
        }
    }
    return std::max(slot, 0);
}

}  // namespace

double MainRingRadius(const WheelData& data, double angleDegrees) {
    long degree = std::lround(angleDegrees);
    // Slots of an overfull house can run past 360 degrees.
    if (degree < 0 || degree > 360) {
        degree = (degree % 360 + 360) % 360;
    }
    return data.radius[static_cast<std::size_t>(degree)];
}

namespace {

// The radius a point of the ring is drawn at: the main ring's for its
// angle; an outer ring's between its house's radius and the next one's, by
// the slot.
double PointRadius(RingRole role, const RingParameters& ring, const WheelData& data, double angle,
                   int house, int slot) {
    if (role == RingRole::Main) {
        return MainRingRadius(data, angle);
    }
    const double next = ring.radius[house == 12 ? 1 : house + 1];
    return ring.radius[house] + (next - ring.radius[house]) * slot / ring.slotsPerHouse;
}

}  // namespace

RingLayout LayRing(const WheelState& state, RingRole role, const WheelData& data) {
    const RingParameters& ring = RingParametersOf(role, state.layout);
    const int slots = ring.slotsPerHouse;
    const HouseSizes sizes = ComputeHouseSizes(state.mainCusps);
    const std::vector<RingEntry> order = RingVisitOrder(RingEntries(state, role));
    // The European type draws the zodiac to scale.
    const bool european = role == RingRole::Main && IsEuropeanSingle(state);

    std::array<int, 13> count{};
    for (const RingEntry& entry : order) {
        ++count[entry.house];
    }
    const auto leftOut = LeftOutOfCrowdedHouses(order, count, slots);
    // By (house - 1) * slots + slot; room for an overfull house running on
    // into the next ones.
    std::array<bool, 116> occupied{};
    RingLayout layout;

    int previousHouse = 0;
    int k = 1;  // the place of this point among its house's points, from 1
    for (const RingEntry& entry : order) {
        const int h = entry.house;
        if (h != previousHouse) {
            k = 1;
        }
        previousHouse = h;
        double intoHouse = OnCircle(entry.longitude - CuspOfHouse(state.mainCusps, h));
        if (intoHouse > 360 - kOnCusp) {
            intoHouse = 0;
        }
        const int slot0 = SlotInHouse(slots, intoHouse, HouseSizeOf(sizes, h));
        const auto index = [&](int s) { return static_cast<std::size_t>((h - 1) * slots + s); };
        int slot = CapacitySlot(slot0, slots, count[h], k, !occupied[index(slot0)]);
        if (leftOut[entry.point]) {
            continue;
        }
        while (index(slot) < occupied.size() && occupied[index(slot)]) {
            ++slot;
        }
        if (index(slot) < occupied.size()) {
            occupied[index(slot)] = true;
        }
        layout.slotOf[entry.point] = slot;

        const double angle = european ? EuropeanAngle(entry.longitude, state.mainCusps)
                                      : ring.slotZeroAngle[h] + slot * ring.slotStepDegrees;
        const double radius = PointRadius(role, ring, data, angle, h, slot);
        layout.angleOf[entry.point] = angle;
        layout.placed.push_back({entry.point, h, slot, entry.longitude, angle, radius});
        layout.placed.back().retrograde = entry.retrograde;
        ++k;
    }
    return layout;
}

}  // namespace solvaris
