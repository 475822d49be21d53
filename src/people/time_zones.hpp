// TZ.DAT, the time-zone table: zone name, abbreviation and hours (west
// positive) per line, shown as "Eastern Standard Time ... - EST  =   5".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "people/place_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kTimeZoneFile = "TZ.DAT";

struct TimeZoneRecord {
    std::string name;
    std::string abbreviation;
    double hours = 0;
};

// Records up to the first with an empty name. A record that cannot be read
// shows "The file TZ.DAT is corrupt." and ends the reading; the zones read
// so far are kept. A file that cannot be opened says so.
std::vector<TimeZoneRecord> ReadTimeZones(const std::filesystem::path& file, Platform& platform);
std::vector<TimeZoneRecord> TimeZonesFromLines(const std::vector<std::string>& lines,
                                               Platform& platform);

// The list line: name padded to 32, " - ", abbreviation padded to 4, " =",
// the hours right-aligned.
std::string TimeZoneListLine(const TimeZoneRecord& record);

// A click on a list line: the zone of the record named before " - " into
// the calling window, East for a negative zone. A line that matches no
// record shows the corrupt-file box.
bool PickTimeZoneLine(const std::string& line, const std::vector<TimeZoneRecord>& zones,
                      EntryFields& place, Platform& platform);

}  // namespace solvaris
