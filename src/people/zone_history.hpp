// The time zone that held at a place's local date and clock time, from the
// operating system's tz database: daylight saving, double summer and war
// time, and the local mean time a place kept before standard time.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

struct LocalClock {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const LocalClock&) const = default;
};

struct ZoneRule {
    int secondsWest = 0;       // standard time plus daylight saving, west of Greenwich
    std::string abbreviation;  // "EST", "BDST"; "LMT" before standard time
    bool daylightSaving = false;
};

// A local clock time happens once, never (skipped when the clocks went
// forward) or twice (repeated when they went back).
enum class LocalTimeKind { Once, Skipped, Repeated };

struct ZoneAtTime {
    LocalTimeKind kind = LocalTimeKind::Once;
    ZoneRule earlier;  // the rule in force; of two, the earlier; of a gap, the one before it
    ZoneRule later;    // the same rule once; of two, the later; of a gap, the one after it
};

struct ZoneLookup {
    std::optional<ZoneAtTime> zone;
    Problem problem;  // why there is none: an unknown zone name, a date out of range
};

// The zone of a tz database name ("America/New_York") at a local clock time.
ZoneLookup ZoneAtLocalTime(std::string_view zoneName, const LocalClock& local);

// The database's zone names (aliases included) that contain `text`,
// ignoring case, sorted; every name when `text` is empty.
std::vector<std::string> ZoneNamesContaining(std::string_view text);

}  // namespace solvaris
