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

// Kept inside its own house: at least this far from either cusp line.
constexpr double kEuropeanCuspMarginDegrees = 2;

// The angle held inside the house of the entry: the k-th of the house's
// `drawn` glyphs keeps room before it for the k - 1 before and after it
// for those still to come, each a step apart, or less where the house is
// too small for its glyphs at full steps.
double KeptInHouse(double angle, const WheelState& state, int house, int drawn, int k,
                   double step) {
    const double start = EuropeanAngle(CuspOfHouse(state.mainCusps, house), state.mainCusps);
    const double end = EuropeanAngle(CuspOfHouse(state.mainCusps, house % 12 + 1), state.mainCusps);
    const double size = Normalize360(end - start);
    const double room = size - 2 * kEuropeanCuspMarginDegrees;
    if (room <= 0) {
        return Normalize360(start + size / 2);
    }
    const double spacing = drawn > 1 ? std::min(step, room / (drawn - 1)) : step;
    const double lowest = kEuropeanCuspMarginDegrees + (k - 1) * spacing;
    const double highest = size - kEuropeanCuspMarginDegrees - (drawn - k) * spacing;
    double offset = Normalize360(angle - start);
    // Beyond the house: before its start when nearer that side.
    if (offset > size + (360 - size) / 2) {
        offset -= 360;
    }
    return Normalize360(start + std::clamp(offset, lowest, std::max(lowest, highest)));
}

// The glyph drawn to scale, pushed one step past the previous glyph when it
// would crowd it, kept short of the next cusp by the room the house's
// remaining points need, and held inside its house.
double EuropeanGlyphAngle(EuropeanPass& pass, const WheelState& state, const RingEntry& entry,
                          double intoHouse, int drawn, int k, double step) {
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
        const double limit = Normalize360(next - (drawn - k + 1) * step);
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
    a = KeptInHouse(a, state, entry.house, drawn, k, step);
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
    // The points of each house that are drawn: an overfull house leaves out
    // its South Node and Part of Fortune.
    std::array<int, 13> drawn = count;
    for (const RingEntry& entry : order) {
        if (count[entry.house] > slots &&
            (entry.point == SouthNode || entry.point == PartOfFortune)) {
            --drawn[entry.house];
        }
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
                angle = EuropeanGlyphAngle(pass, state, entry, intoHouse, drawn[h], k,
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
