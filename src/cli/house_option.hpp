// The house system as the command line names it: by name or by code, in any
// case ("placidus", "equal-asc", "EA").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/house_system.hpp"

namespace solvaris {

// The names and codes the option accepts, for usage lines and messages:
// "placidus, regiomontanus, ..., or the codes P R ...".
std::string HouseOptionValues();

// Empty for a house system the option takes, else "no house system 'X'
// (placidus, ...)": --house's check on every command.
std::string HouseOptionProblem(const std::string& text);

std::optional<HouseSystem> HouseSystemFromOption(std::string_view text);

}  // namespace solvaris
