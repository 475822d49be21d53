#include "people/city_zones.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/text_lines.hpp"
#include "people/comma_fields.hpp"

namespace solvaris {

CityZones ReadCityZones(const std::filesystem::path& file) {
    CityZones zones;
    const auto lines = ReadTextLines(file);
    if (!lines) {
        return zones;
    }
    for (const std::string& line : *lines) {
        const std::vector<std::string> fields = CommaFields(line);
        if (fields.size() == 3 && !fields[2].empty()) {
            zones.emplace(std::make_pair(fields[0], fields[1]), fields[2]);
        }
    }
    return zones;
}

std::optional<std::string> ZoneNameOfCity(const CityZones& zones, const std::string& city,
                                          const std::string& region) {
    const auto it = zones.find({city, region});
    if (it == zones.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string ZoneFieldText(int secondsWest) {
    constexpr int kSecondsPerHour = 3600;
    if (secondsWest % kSecondsPerHour == 0) {
        return std::to_string(secondsWest / kSecondsPerHour);
    }
    // Six decimals hold any whole second (1 s is 0.000278 h); trailing
    // zeros go, so half an hour reads "-5.5".
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(secondsWest) / kSecondsPerHour);
    std::string out = text;
    out.erase(out.find_last_not_of('0') + 1);
    return out;
}

std::string ZoneRuleText(const std::string& zoneName, const ZoneRule& rule) {
    const int seconds = std::abs(rule.secondsWest);
    char offset[32];
    if (seconds % 60 != 0) {
        std::snprintf(offset, sizeof offset, "%dh%02dm%02ds", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else if (seconds % 3600 != 0) {
        std::snprintf(offset, sizeof offset, "%dh%02dm", seconds / 3600, seconds / 60 % 60);
    } else {
        std::snprintf(offset, sizeof offset, "%d hours", seconds / 3600);
    }
    const char* side = rule.secondsWest < 0 ? " east" : " west";
    const std::string kind = !rule.meanTimeAt.empty()     ? "local mean time at " + rule.meanTimeAt
                             : rule.abbreviation == "LMT" ? "local mean time"
                             : rule.daylightSaving        ? "daylight saving"
                                                          : "standard time";
    return rule.abbreviation + ", " + kind + ", " + offset + (seconds == 0 ? "" : side) + " (" +
           zoneName + ")";
}

}  // namespace solvaris
