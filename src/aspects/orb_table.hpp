// Orb files (*.ORB): seventeen orbs, one per line in the first 7 characters
// as in OPTIONS.OPT; entry k is the orb of aspect code k + 1 (conjunction,
// sextile, square, trine, opposition, parallel, semi-sextile, semi-square,
// sesquisquare, quincunx, semi-quintile, nonagen, quintile, trecile,
// bi-quintile, septile, and one read but never used).
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "platform/platform.hpp"

namespace solvaris {

inline constexpr int kOrbEntries = 17;

// Entries 1 to 17, index 0 unused.
using OrbTable = std::array<float, kOrbEntries + 1>;

// The entries the file holds, up to its first empty line and at most 17;
// the rest keep their values. A file that cannot be read is shown and
// changes nothing. True when read.
bool LoadOrbTable(const std::filesystem::path& file, OrbTable& table, Platform& platform);

}  // namespace solvaris
