#include "chart/house_cusps.hpp"

#include "engine/angles.hpp"

namespace solvaris {

CuspSet ComputeCusps(HouseSystem system, const CuspInputs& in) {
    const HouseCusps houses = Info(system).cusps(in);
    CuspSet slots{};
    for (int house = 1; house <= 12; ++house) {
        slots[SlotOfHouse(house)] = Normalize360(houses[house]);
    }
    return slots;
}

int HouseSlotOf(double longitude, const CuspSet& cusps) {
    // A tenth of an arc-second on, so that a point on a cusp starts its house.
    const double value = longitude + 1.0 / 36000;
    for (int k = 1; k <= 12; ++k) {
        const double from = cusps[k];
        const double to = cusps[k == 12 ? 1 : k + 1];
        const bool inside =
            to < from ? (value >= from || value < to) : (from <= value && value < to);
        if (inside) {
            return k;
        }
    }
    return 0;
}

void HousePositions(const PointArray& longitude, const CuspSet& cusps, std::string& text) {
    text.resize(10 * kPointCount, ' ');
    for (int p = 1; p <= kPointCount; ++p) {
        const int slot = HouseSlotOf(longitude[p], cusps);
        if (slot != 0) {
            text.replace(10 * (p - 1), 10, std::string(HouseLabel(slot)) + " HOUSE");
        }
    }
}

}  // namespace solvaris
