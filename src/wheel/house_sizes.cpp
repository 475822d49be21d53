#include "wheel/house_sizes.hpp"

#include "engine/angles.hpp"

namespace solvaris {

HouseSizes ComputeHouseSizes(const CuspSet& cusps) {
    HouseSizes sizes{};
    for (int k = 1; k <= kCuspCount; ++k) {
        const double next = cusps[k == kCuspCount ? 1 : k + 1];
        sizes[k] = Normalize360(next - cusps[k]);
        if (!(sizes[k] > 0)) {
            sizes[k] = 7.5;
        }
    }
    return sizes;
}

}  // namespace solvaris
