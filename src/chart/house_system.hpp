// The nine house systems: code, display name and Houses-menu item.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace solvaris {

enum class HouseSystem {
    Placidus,
    Regiomontanus,
    Koch,
    Campanus,
    Porphyry,
    EqualAscendant,
    EqualMidheaven,
    Meridian,
    Morinus,
};

struct HouseSystemInfo {
    HouseSystem system;
    std::string_view code;
    std::string_view displayName;
    std::string_view menuItem;
    std::string_view optionName;  // as the command line's --house takes it
};

inline constexpr std::array<HouseSystemInfo, 9> kHouseSystems{{
    {HouseSystem::Placidus, "P", "Placidus", "mnuHousePlacidus", "placidus"},
    {HouseSystem::Regiomontanus, "R", "Regiomontanus", "mnuHouseRegiomontanus", "regiomontanus"},
    {HouseSystem::Koch, "K", "Koch", "mnuHouseKoch", "koch"},
    {HouseSystem::Campanus, "C", "Campanus", "mnuHouseCampanus", "campanus"},
    {HouseSystem::Porphyry, "O", "Porphyry", "mnuHousePorphyry", "porphyry"},
    {HouseSystem::EqualAscendant, "EA", "Equal - Ascendant", "mnuHouseEqualAsc", "equal-asc"},
    {HouseSystem::EqualMidheaven, "EM", "Equal - MC", "mnuHouseEqualMC", "equal-mc"},
    {HouseSystem::Meridian, "M", "Meridian", "mnuHouseMeridian", "meridian"},
    {HouseSystem::Morinus, "I", "Morinus", "mnuHouseMorinus", "morinus"},
}};

inline constexpr const HouseSystemInfo& Info(HouseSystem system) {
    return kHouseSystems[static_cast<int>(system)];
}

inline constexpr std::optional<HouseSystem> HouseSystemFromCode(std::string_view code) {
    for (const HouseSystemInfo& info : kHouseSystems) {
        if (info.code == code) {
            return info.system;
        }
    }
    return std::nullopt;
}

}  // namespace solvaris
