// The house system as the command line names it: by name or by code, in any
// case ("placidus", "equal-asc", "EA").
#pragma once

#include <optional>
#include <string_view>

#include "chart/house_system.hpp"

namespace solvaris {

// The names and codes the option accepts, for usage lines and messages.
inline constexpr const char* kHouseOptionValues =
    "placidus, koch, regiomontanus, campanus, porphyry, equal-asc, equal-mc, meridian, "
    "morinus, or the codes P K R C O EA EM M I";

std::optional<HouseSystem> HouseSystemFromOption(std::string_view text);

}  // namespace solvaris
