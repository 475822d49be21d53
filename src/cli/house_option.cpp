#include "cli/house_option.hpp"

#include <array>
#include <cctype>
#include <string>

namespace solvaris {

namespace {

struct HouseName {
    std::string_view name;
    HouseSystem system;
};

constexpr std::array<HouseName, 9> kHouseNames{{
    {"placidus", HouseSystem::Placidus},
    {"koch", HouseSystem::Koch},
    {"regiomontanus", HouseSystem::Regiomontanus},
    {"campanus", HouseSystem::Campanus},
    {"porphyry", HouseSystem::Porphyry},
    {"equal-asc", HouseSystem::EqualAscendant},
    {"equal-mc", HouseSystem::EqualMidheaven},
    {"meridian", HouseSystem::Meridian},
    {"morinus", HouseSystem::Morinus},
}};

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lowered;
}

}  // namespace

std::optional<HouseSystem> HouseSystemFromOption(std::string_view text) {
    const std::string lowered = Lowered(text);
    for (const HouseName& house : kHouseNames) {
        if (house.name == lowered) {
            return house.system;
        }
    }
    for (const HouseSystemInfo& info : kHouseSystems) {
        if (Lowered(info.code) == lowered) {
            return info.system;
        }
    }
    return std::nullopt;
}

}  // namespace solvaris
