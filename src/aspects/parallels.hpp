// Parallels of declination: two points equally far from the equator, on the
// same side (parallel) or on opposite sides (contra-parallel). Zero counts
// as north.
#pragma once

namespace solvaris {

enum class ParallelKind { None, Same, Contra };

struct FoundParallel {
    ParallelKind kind = ParallelKind::None;
    double d = 0;  // | |d1| - |d2| |
};

// Within the orb (closed, single precision).
FoundParallel ParallelTest(double declination1, double declination2, double orb);

}  // namespace solvaris
