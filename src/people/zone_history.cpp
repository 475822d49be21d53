#include "people/zone_history.hpp"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "people/zone_files.hpp"

namespace solvaris {

namespace {

using Instant = cctz::time_point<cctz::seconds>;
constexpr cctz::seconds kOneSecond{1};
constexpr int kSecondsPerDay = 86400;
constexpr int kSecondsPerArcMinute = 4;  // the Earth turns a minute of arc in 4 s
// Summer time lasts a season; a clock an hour ahead for most of the year
// between two short hours back (Morocco's outside Ramadan) is its standard.
constexpr cctz::seconds kLongestSummer{270 * kSecondsPerDay};
// Local mean time of a longitude moves the end of the zone's by less than
// a day either way.
constexpr cctz::seconds kMeanTimeReach{2 * kSecondsPerDay};

struct Zone {
    cctz::time_zone rules;
    std::optional<ArcMinutesWest> longitude;
};

struct LoadedZone {
    std::optional<Zone> zone;
    Problem problem;
    bool damaged = false;
};

LoadedZone LoadZone(std::string_view name, std::optional<ArcMinutesWest> longitude) {
    // The file is looked at before the zone library opens it: a FIFO would
    // hold its read, other bytes its parser.
    const ZoneFileCheck check = CheckZoneFile(name);
    if (!check.problem.empty()) {
        return {std::nullopt, check.problem, check.damaged};
    }
    cctz::time_zone rules;
    if (!cctz::load_time_zone(std::string(name), &rules)) {
        return {std::nullopt, "its file in " + ZoneFolder().string() + " is not a zone file", true};
    }
    return {Zone{rules, longitude}, {}, false};
}

struct Period {
    int eastSeconds = 0;
    bool flaggedDaylight = false;
    std::string abbreviation;
};

Period PeriodAt(const cctz::time_zone& rules, Instant t) {
    const cctz::time_zone::absolute_lookup found = rules.lookup(t);
    return {found.offset, found.is_dst, found.abbr};
}

// The database flags Dublin's winter GMT as daylight saving and its summer
// IST as standard (a negative saving), Prague's winter of 1946 too: a
// period is summer time when it is ahead of the winter time beside it.
bool AheadOfWinter(const cctz::time_zone& rules, Instant t, const Period& now) {
    cctz::time_zone::civil_transition change{};
    std::optional<Period> before, after;
    std::optional<Instant> start, end;
    if (rules.prev_transition(t + kOneSecond, &change)) {
        start = rules.lookup(change.to).trans;
        before = PeriodAt(rules, *start - kOneSecond);
    }
    if (rules.next_transition(t, &change)) {
        end = rules.lookup(change.to).trans;
        after = PeriodAt(rules, *end);
    }
    const auto aheadStandard = [&](const std::optional<Period>& p) {
        return p && !p->flaggedDaylight && p->eastSeconds > now.eastSeconds;
    };
    if (now.flaggedDaylight) {
        return !aheadStandard(before) && !aheadStandard(after);
    }
    const auto behindSaving = [&](const std::optional<Period>& p) {
        return p && p->flaggedDaylight && p->eastSeconds < now.eastSeconds;
    };
    return behindSaving(before) && behindSaving(after) && *end - *start < kLongestSummer;
}

std::string LongitudeText(ArcMinutesWest longitude) {
    char text[32];
    const int magnitude = std::abs(longitude);
    std::snprintf(text, sizeof text, "%d%c%02d", magnitude / 60, longitude < 0 ? 'E' : 'W',
                  magnitude % 60);
    return text;
}

// The longitude's mean time on the zone's side of the date line: Sitka
// kept Russia's date until 1867, 14h58m47s east, not 9h01m13s west.
int MeanTimeEastSeconds(int zoneMeanTimeEast, ArcMinutesWest longitude) {
    const int east = -longitude * kSecondsPerArcMinute;
    const double days = static_cast<double>(zoneMeanTimeEast - east) / kSecondsPerDay;
    return east + static_cast<int>(std::lround(days)) * kSecondsPerDay;
}

ZoneRule RuleAt(const Zone& zone, Instant t) {
    const Period period = PeriodAt(zone.rules, t);
    ZoneRule rule{
        -period.eastSeconds, period.abbreviation, AheadOfWinter(zone.rules, t, period), {}};
    if (zone.longitude && period.abbreviation == "LMT") {
        rule.secondsWest = -MeanTimeEastSeconds(period.eastSeconds, *zone.longitude);
        rule.daylightSaving = false;
        rule.meanTimeAt = LongitudeText(*zone.longitude);
    }
    return rule;
}

ZoneAtTime ZoneAtCivil(const Zone& zone, const cctz::civil_second& local) {
    const cctz::time_zone::civil_lookup found = zone.rules.lookup(local);
    switch (found.kind) {
        case cctz::time_zone::civil_lookup::UNIQUE: {
            const ZoneRule rule = RuleAt(zone, found.pre);
            return {LocalTimeKind::Once, rule, rule};
        }
        case cctz::time_zone::civil_lookup::SKIPPED:
            return {LocalTimeKind::Skipped, RuleAt(zone, found.trans - kOneSecond),
                    RuleAt(zone, found.trans)};
        case cctz::time_zone::civil_lookup::REPEATED: break;
    }
    return {LocalTimeKind::Repeated, RuleAt(zone, found.pre), RuleAt(zone, found.post)};
}

// The end of the zone's local mean time, when it began with one. Alaska's
// has two parts, before and after its date moved to America's in 1867.
std::optional<Instant> MeanTimeEnd(const cctz::time_zone& rules) {
    constexpr int kMostMeanTimeParts = 4;
    Instant t = cctz::convert(cctz::civil_second(1, 1, 1), cctz::utc_time_zone());
    cctz::time_zone::civil_transition change{};
    std::optional<Instant> end;
    for (int part = 0;
         part < kMostMeanTimeParts && std::string_view(rules.lookup(t).abbr) == "LMT" &&
         rules.next_transition(t, &change);
         ++part) {
        t = rules.lookup(change.to).trans;
        end = t;
    }
    return end;
}

// Near the end of local mean time the longitude's mean time moves the gap or
// the repeated hour of the change: every offset that can hold there is tried
// for the local time and kept where it is the one in force.
ZoneAtTime ZoneAtCivilNearMeanTimeEnd(const Zone& zone, const cctz::civil_second& local,
                                      Instant meanTimeEnd) {
    const ZoneAtTime database = ZoneAtCivil(zone, local);
    const std::vector<int> offsetsEast = {
        -RuleAt(zone, meanTimeEnd - kOneSecond).secondsWest, -RuleAt(zone, meanTimeEnd).secondsWest,
        -database.earlier.secondsWest, -database.later.secondsWest};
    const Instant asIfUniversal = cctz::convert(local, cctz::utc_time_zone());
    std::vector<Instant> held;
    for (const int east : offsetsEast) {
        const Instant t = asIfUniversal - cctz::seconds(east);
        if (-RuleAt(zone, t).secondsWest == east && std::ranges::find(held, t) == held.end()) {
            held.push_back(t);
        }
    }
    std::ranges::sort(held);
    if (held.empty()) {
        const auto [least, most] = std::ranges::minmax(offsetsEast);
        return {LocalTimeKind::Skipped, RuleAt(zone, asIfUniversal - cctz::seconds(most)),
                RuleAt(zone, asIfUniversal - cctz::seconds(least))};
    }
    return {held.size() == 1 ? LocalTimeKind::Once : LocalTimeKind::Repeated,
            RuleAt(zone, held.front()), RuleAt(zone, held.back())};
}

bool IsClockTime(const LocalClock& local) {
    const cctz::civil_day day(local.year, local.month, local.day);
    return day.year() == local.year && day.month() == local.month && day.day() == local.day &&
           local.hour >= 0 && local.hour < 24 && local.minute >= 0 && local.minute < 60 &&
           local.second >= 0 && local.second < 60;
}

std::string Lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

ZoneLookup ZoneAtLocalTime(std::string_view zoneName, const LocalClock& local,
                           std::optional<ArcMinutesWest> longitude) {
    if (!IsClockTime(local)) {
        return {std::nullopt, "not a date and clock time of the calendar", false};
    }
    const LoadedZone loaded = LoadZone(zoneName, longitude);
    if (!loaded.zone) {
        return {std::nullopt, loaded.problem, loaded.damaged};
    }
    const cctz::civil_second clock(local.year, local.month, local.day, local.hour, local.minute,
                                   local.second);
    if (longitude) {
        const std::optional<Instant> end = MeanTimeEnd(loaded.zone->rules);
        const Instant asIfUniversal = cctz::convert(clock, cctz::utc_time_zone());
        if (end && asIfUniversal > *end - kMeanTimeReach && asIfUniversal < *end + kMeanTimeReach) {
            return {ZoneAtCivilNearMeanTimeEnd(*loaded.zone, clock, *end), {}, false};
        }
    }
    return {ZoneAtCivil(*loaded.zone, clock), {}, false};
}

ZoneRuleLookup ZoneRuleAtInstant(std::string_view zoneName, std::chrono::sys_seconds universal,
                                 std::optional<ArcMinutesWest> longitude) {
    const LoadedZone loaded = LoadZone(zoneName, longitude);
    if (!loaded.zone) {
        return {std::nullopt, loaded.problem, loaded.damaged};
    }
    const Instant t{cctz::seconds(universal.time_since_epoch().count())};
    return {RuleAt(*loaded.zone, t), {}, false};
}

std::vector<std::string> ZoneNamesContaining(std::string_view text) {
    // The database writes a blank as "_": "new york" is New_York.
    const auto blanked = [](std::string_view s) {
        std::string out = Lowered(s);
        std::ranges::replace(out, '_', ' ');
        return out;
    };
    std::vector<std::string> words;
    std::istringstream split(blanked(text));
    for (std::string word; split >> word;) {
        words.push_back(word);
    }
    std::vector<std::string> names = PlaceZoneNames();
    std::erase_if(names, [&](const std::string& name) {
        const std::string readable = blanked(name);
        return !std::ranges::all_of(words, [&](const std::string& word) {
            return readable.find(word) != std::string::npos;
        });
    });
    return names;
}

}  // namespace solvaris
