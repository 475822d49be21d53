#include "people/zone_history.hpp"

#include <date/tz.h>

#include <algorithm>
#include <cctype>
#include <exception>

namespace solvaris {

namespace {

ZoneRule RuleOf(const date::sys_info& info) {
    return {static_cast<int>(-info.offset.count()), info.abbrev,
            info.save != std::chrono::minutes::zero()};
}

std::string Lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

ZoneLookup ZoneAtLocalTime(std::string_view zoneName, const LocalClock& local) {
    const date::year_month_day day{date::year{local.year}, date::month(local.month),
                                   date::day(local.day)};
    if (!day.ok()) {
        return {std::nullopt, "not a date of the calendar"};
    }
    try {
        const date::time_zone* zone = date::locate_zone(zoneName);
        const date::local_seconds moment = date::local_days{day} + std::chrono::hours{local.hour} +
                                           std::chrono::minutes{local.minute} +
                                           std::chrono::seconds{local.second};
        const date::local_info info = zone->get_info(moment);
        switch (info.result) {
            case date::local_info::unique:
                return {ZoneAtTime{LocalTimeKind::Once, RuleOf(info.first), RuleOf(info.first)},
                        {}};
            case date::local_info::nonexistent:
                return {ZoneAtTime{LocalTimeKind::Skipped, RuleOf(info.first), RuleOf(info.second)},
                        {}};
            default:
                return {
                    ZoneAtTime{LocalTimeKind::Repeated, RuleOf(info.first), RuleOf(info.second)},
                    {}};
        }
    } catch (const std::exception& error) {
        // The library names an unknown zone or an unreadable database by
        // throwing; the caller shows the reason.
        return {std::nullopt, error.what()};
    }
}

std::vector<std::string> ZoneNamesContaining(std::string_view text) {
    std::vector<std::string> names;
    try {
        const date::tzdb& database = date::get_tzdb();
        const std::string wanted = Lowered(text);
        // The operating system's database lists its aliases as zones too.
        for (const date::time_zone& zone : database.zones) {
            if (Lowered(zone.name()).find(wanted) != std::string::npos) {
                names.push_back(zone.name());
            }
        }
    } catch (const std::exception&) {
        return {};  // no database on this machine: no names to offer
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace solvaris
