// The time zone that held at a place's local date and clock time, from the
// operating system's tz database: daylight saving, double summer and war
// time in every year (past its files' last listed change by the rule they
// end with), and the local mean time a place kept before standard time,
// that of the place's own longitude when it is given.
#pragma once

#include <chrono>
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
    // The clock ahead of the zone's winter time (Dublin's IST, not its
    // GMT, whatever the database flags).
    bool daylightSaving = false;
    std::string meanTimeAt;  // "78W52": local mean time of that longitude, not the zone's city
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
    Problem problem;               // why there is none: an unknown zone name, a date out of range
    bool databaseDamaged = false;  // the zone's file is there but no zone file
};

// A longitude in minutes of arc, west positive (78W52 is 4732).
using ArcMinutesWest = int;

// The zone of a tz database name ("America/New_York") at a local clock time.
// With a longitude, local mean time (the rule "LMT") is that longitude's,
// to the second, on the zone's side of the date line.
ZoneLookup ZoneAtLocalTime(std::string_view zoneName, const LocalClock& local,
                           std::optional<ArcMinutesWest> longitude = std::nullopt);

struct ZoneRuleLookup {
    std::optional<ZoneRule> rule;
    Problem problem;
    bool databaseDamaged = false;
};

// The rule in force at a universal instant (seconds since 1970-01-01 UT),
// local mean time as ZoneAtLocalTime() takes it.
ZoneRuleLookup ZoneRuleAtInstant(std::string_view zoneName, std::chrono::sys_seconds universal,
                                 std::optional<ArcMinutesWest> longitude = std::nullopt);

// The database's zone names of places (aliases included) that contain
// every word of `text`, ignoring case, a blank and "_" alike, sorted; every
// name when `text` has no word.
std::vector<std::string> ZoneNamesContaining(std::string_view text);

}  // namespace solvaris
