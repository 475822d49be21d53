// The house systems: code, display name, Houses-menu item, cusp formula and
// the latitudes it is computed at.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/house_formulas.hpp"

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
    WholeSign,
};

struct HouseSystemInfo {
    HouseSystem system;
    std::string_view code;
    std::string_view displayName;
    std::string_view menuItem;
    std::string_view menuCaption;  // the "&" marks the access key
    std::string_view optionName;   // as the command line's --house takes it
    HouseCusps (*cusps)(const CuspInputs&);
    // False for the systems that divide the diurnal arcs, which fail where
    // the ecliptic's points neither rise nor set.
    bool anyLatitude;
};

inline constexpr std::array<HouseSystemInfo, 10> kHouseSystems{{
    {HouseSystem::Placidus, "P", "Placidus", "mnuHousePlacidus", "&Placidus", "placidus",
     PlacidusCusps, false},
    {HouseSystem::Regiomontanus, "R", "Regiomontanus", "mnuHouseRegiomontanus", "&Regiomontanus",
     "regiomontanus", RegiomontanusCusps, false},
    {HouseSystem::Koch, "K", "Koch", "mnuHouseKoch", "&Koch", "koch", KochCusps, false},
    {HouseSystem::Campanus, "C", "Campanus", "mnuHouseCampanus", "&Campanus", "campanus",
     CampanusCusps, false},
    {HouseSystem::Porphyry, "O", "Porphyry", "mnuHousePorphyry", "P&orphyry", "porphyry",
     PorphyryCusps, false},
    {HouseSystem::EqualAscendant, "EA", "Equal - Ascendant", "mnuHouseEqualAsc", "&Equal - Asc",
     "equal-asc", EqualAscendantCusps, false},
    {HouseSystem::EqualMidheaven, "EM", "Equal - MC", "mnuHouseEqualMC", "E&qual - MC", "equal-mc",
     EqualMidheavenCusps, false},
    {HouseSystem::Meridian, "M", "Meridian", "mnuHouseMeridian", "&Meridian", "meridian",
     MeridianCusps, true},
    {HouseSystem::Morinus, "I", "Morinus", "mnuHouseMorinus", "Mor&inus", "morinus", MorinusCusps,
     true},
    {HouseSystem::WholeSign, "W", "Whole Sign", "mnuHouseWholeSign", "&Whole Sign", "whole-sign",
     WholeSignCusps, true},
}};

// The highest latitude, degrees and minutes packed as 66.00, at which every
// system is computed.
inline constexpr double kHighestCommonLatitudePacked = 66.00;

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

// Whether `system` is computed at a latitude given as packed degrees and
// minutes as typed (north or south alike).
inline constexpr bool ComputedAtPackedLatitude(HouseSystem system, double packedLatitude) {
    return Info(system).anyLatitude || packedLatitude <= kHighestCommonLatitudePacked;
}

// The systems computed at any latitude as the refusals name them:
// "Meridian (M) and Morinus (I)".
std::string AnyLatitudeSystemsText();

}  // namespace solvaris
