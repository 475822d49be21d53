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
};

inline constexpr std::array<HouseSystemInfo, 9> kHouseSystems{{
    {HouseSystem::Placidus, "P", "Placidus", "mnuHousePlacidus"},
    {HouseSystem::Regiomontanus, "R", "Regiomontanus", "mnuHouseRegiomontanus"},
    {HouseSystem::Koch, "K", "Koch", "mnuHouseKoch"},
    {HouseSystem::Campanus, "C", "Campanus", "mnuHouseCampanus"},
    {HouseSystem::Porphyry, "O", "Porphyry", "mnuHousePorphyry"},
    {HouseSystem::EqualAscendant, "EA", "Equal - Ascendant", "mnuHouseEqualAsc"},
    {HouseSystem::EqualMidheaven, "EM", "Equal - MC", "mnuHouseEqualMC"},
    {HouseSystem::Meridian, "M", "Meridian", "mnuHouseMeridian"},
    {HouseSystem::Morinus, "I", "Morinus", "mnuHouseMorinus"},
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
