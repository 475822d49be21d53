#include "people/time_zones.hpp"

#include <cmath>

#include "base/number_text.hpp"
#include "base/text_lines.hpp"
#include "people/comma_fields.hpp"

namespace solvaris {

namespace {

constexpr const char* kCorrupt = "The file TZ.DAT is corrupt.";
constexpr std::size_t kNameWidth = 32;
constexpr std::size_t kAbbreviationWidth = 4;

std::string Padded(std::string text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    if (count < width) {
        text.append(width - count, ' ');
    }
    return text;
}

std::string RightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::vector<TimeZoneRecord> ReadTimeZones(const std::filesystem::path& file, Platform& platform) {
    std::vector<TimeZoneRecord> zones;
    const auto lines = ReadTextLines(file);
    if (!lines) {
        platform.ShowMessage("The file TZ.DAT cannot be opened.", "Error!", MessageIcon::Critical);
        return zones;
    }
    return TimeZonesFromLines(*lines, platform);
}

std::vector<TimeZoneRecord> TimeZonesFromLines(const std::vector<std::string>& lines,
                                               Platform& platform) {
    std::vector<TimeZoneRecord> zones;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = CommaFields(line);
        if (fields.empty() || fields[0].empty()) {
            break;
        }
        const auto hours = fields.size() == 3 ? ParseNumber(fields[2]) : std::nullopt;
        if (!hours) {
            platform.ShowMessage(kCorrupt, "Error!", MessageIcon::Critical);
            break;
        }
        zones.push_back({fields[0], fields[1], *hours});
    }
    return zones;
}

std::string TimeZoneListLine(const TimeZoneRecord& record) {
    const double magnitude = std::fabs(record.hours);
    // The sign, or a blank for West, stands before the hours; one blank more
    // for a single-digit zone keeps the whole hours right-aligned.
    std::string number = record.hours < 0 ? "-" : " ";
    number += NumberAsTyped(magnitude);
    return Padded(record.name, kNameWidth) + " - " +
           Padded(record.abbreviation, kAbbreviationWidth) + " =" + (magnitude < 10 ? "  " : " ") +
           number;
}

bool PickTimeZoneLine(const std::string& line, const std::vector<TimeZoneRecord>& zones,
                      EntryFields& place, Platform& platform) {
    const std::string name = RightTrimmed(line.substr(0, line.find(" - ")));
    for (const TimeZoneRecord& zone : zones) {
        if (zone.name == name) {
            place.zone = NumberAsTyped(zone.hours);
            place.east = zone.hours < 0;
            return true;
        }
    }
    platform.ShowMessage(kCorrupt, "Error!", MessageIcon::Critical);
    return false;
}

}  // namespace solvaris
