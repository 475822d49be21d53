#include "wheel/ring_layout.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"
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
    return entries;
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

struct EuropeanPass {
    double previousAngle = 0;
};

// The glyph drawn to scale, pushed one step past the previous glyph when it
// would crowd it, and kept short of the next cusp by the room the house's
// remaining points need.
double EuropeanGlyphAngle(EuropeanPass& pass, const WheelState& state, const RingEntry& entry,
                          double intoHouse, int count, int k, double step) {
    double a = EuropeanAngle(entry.longitude, state.mainCusps);
    const double diff = a - pass.previousAngle;
    if ((diff >= -16 && diff < 4) || (diff >= -360 && diff < -356)) {
        a = Normalize360(pass.previousAngle + step);
        if (intoHouse < 2 && k == 1 && a >= 102.5 && a <= 137.5) {
            a = a + 2 - intoHouse;
        }
    } else {
        const double next =
            EuropeanAngle(CuspOfHouse(state.mainCusps, entry.house + 1), state.mainCusps);
        const double limit = Normalize360(next - (count - k + 1) * step);
        if (a > limit) {
            a = limit;
        }
        if (a <= 28 && limit >= 332) {
            a = 0;
        }
        if ((a >= 270 || a < 180) && a + 2 < next) {
            a = a + 2;
        }
    }
    pass.previousAngle = a;
    return a;
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

RingLayout LayRing(const WheelState& state, RingRole role, const WheelData& data) {
    const RingParameters& ring = RingParametersOf(role, state.layout);
    const int slots = ring.slotsPerHouse;
    const HouseSizes sizes = ComputeHouseSizes(state.mainCusps);
    const std::vector<RingEntry> order = RingVisitOrder(RingEntries(state, role));
    const bool european = role == RingRole::Main && IsEuropeanSingle(state);

    std::array<int, 13> count{};
    for (const RingEntry& entry : order) {
        ++count[entry.house];
    }
    // By (house - 1) * slots + slot; room for an overfull house running on
    // into the next ones.
    std::array<bool, 116> occupied{};
    EuropeanPass pass;
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
        if (count[h] > slots && (entry.point == SouthNode || entry.point == PartOfFortune)) {
            continue;
        }
        while (index(slot) < occupied.size() && occupied[index(slot)]) {
            ++slot;
        }
        if (index(slot) < occupied.size()) {
            occupied[index(slot)] = true;
        }
        layout.slotOf[entry.point] = slot;

        double angle = ring.slotZeroAngle[h] + slot * ring.slotStepDegrees;
        double radius = 0;
        if (role == RingRole::Main) {
            if (european) {
                angle = EuropeanGlyphAngle(pass, state, entry, intoHouse, count[h], k,
                                           ring.slotStepDegrees);
            }
            radius = MainRingRadius(data, angle);
        } else {
            // Between this house's radius and the next one's, by the slot.
            const double next = ring.radius[h == 12 ? 1 : h + 1];
            radius = ring.radius[h] + (next - ring.radius[h]) * slot / slots;
        }
        layout.angleOf[entry.point] = angle;
        layout.placed.push_back({entry.point, h, slot, entry.longitude, angle, radius});
        ++k;
    }
    return layout;
}

}  // namespace solvaris
