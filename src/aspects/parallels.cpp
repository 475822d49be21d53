#include "aspects/parallels.hpp"

#include <cmath>

#include "aspects/aspect_finder.hpp"

namespace solvaris {

FoundParallel ParallelTest(double declination1, double declination2, double orb) {
    const double d = std::fabs(std::fabs(declination1) - std::fabs(declination2));
    if (!WithinOrb(d, orb)) {
        return {ParallelKind::None, d};
    }
    const bool sameSide = (declination1 < 0) == (declination2 < 0);
    return {sameSide ? ParallelKind::Same : ParallelKind::Contra, d};
}

}  // namespace solvaris
