// The tz database zone of each shipped city (CITYZONE.DAT: City,Region,Zone
// per line), kept beside the cities files so that their five fields stay
// as users' files have them. A click on a city can then fill the offset
// that held at the birth instead of the city's standard zone of today.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "people/zone_history.hpp"

namespace solvaris {

inline constexpr const char* kCityZonesFile = "CITYZONE.DAT";

// City and region, as the cities file names them.
using CityZones = std::map<std::pair<std::string, std::string>, std::string>;

// The file's table; empty when it is missing or unreadable (every city then
// keeps its standard zone). A line that is not three fields is passed over.
CityZones ReadCityZones(const std::filesystem::path& file);

std::optional<std::string> ZoneNameOfCity(const CityZones& zones, const std::string& city,
                                          const std::string& region);

// The zone field's text for an offset: whole hours as "5", else the hours
// with as many decimals as the seconds need ("-5.5", local mean time
// "4.933889"), so the field holds the offset to the second.
std::string ZoneFieldText(int secondsWest);

// The rule in words for the line beside the zone field: "EDT, daylight
// saving, 4 hours west (America/New_York)", "LMT, local mean time at 78W52,
// 5h15m28s west (America/New_York)"; a repeated time names the one taken.
std::string ZoneRuleText(const std::string& zoneName, const ZoneRule& rule);

}  // namespace solvaris
