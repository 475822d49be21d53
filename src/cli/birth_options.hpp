// The birth-data options every chart command shares, read into the two
// entry windows exactly as a user would type them there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/house_system.hpp"
#include "people/entry_fields.hpp"

namespace solvaris {

// How --zone is given, for the help and its message.
inline constexpr const char* kZoneOptionHelp =
    "hours west of Greenwich, so Paris is -1: 5, -5.5 or -5:30";

struct BirthOptions {
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    HouseSystem houseSystem = HouseSystem::Placidus;
};

struct BirthOptionsResult {
    std::vector<std::string> rest;  // the arguments that are not birth options
    std::string error;              // a one-line message naming the argument
};

// Reads --name --date --time --zone --lon --lat, their --diurnal-
// counterparts, --use-natal-data and --house from `args` into `options`,
// whose windows already hold their defaults. Other arguments are returned.
BirthOptionsResult ReadBirthOptions(const std::vector<std::string>& args, BirthOptions& options);

}  // namespace solvaris
