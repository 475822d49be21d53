// The instants the position benchmarks cycle through: 256 spread over
// 1900-2100 at uneven day fractions, so that no library can answer from a
// cache of the previous call.
#pragma once

#include <array>
#include <cmath>

namespace solvaris::bench {

inline constexpr int kInstantCount = 256;

inline std::array<double, kInstantCount> MakeInstants() {
    std::array<double, kInstantCount> jd{};
    for (int k = 0; k < kInstantCount; ++k) {
        jd[k] = 2415020.5 + k * 285.37 + std::fmod(k * 0.618034, 1.0);
    }
    return jd;
}

inline const std::array<double, kInstantCount> kInstants = MakeInstants();

}  // namespace solvaris::bench
