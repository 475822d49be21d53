#include "people/entry_zone.hpp"

#include <cstdio>

#include "people/city_zones.hpp"

namespace solvaris {

namespace {

// A field of digits (a year may carry a sign); anything else is no number
// here, where a wrong hour would give a wrong offset.
std::optional<int> WholeNumber(const std::string& text) {
    const std::string digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int value = std::stoi(digits);
    return text.starts_with('-') ? -value : value;
}

std::optional<LocalClock> ClockOf(const std::string& month, const std::string& day,
                                  const std::string& year, const std::string& hour,
                                  const std::string& minute, bool pm) {
    const auto m = WholeNumber(month), d = WholeNumber(day), y = WholeNumber(year);
    const auto h = WholeNumber(hour), min = WholeNumber(minute);
    if (!m || !d || !y || !h || !min || *h < 0 || *h > 12 || *min < 0 || *min > 59) {
        return std::nullopt;
    }
    const int hour24 = (*h == 12 ? 0 : *h) + (pm ? 12 : 0);
    return LocalClock{*y, *m, *d, hour24, *min, 0};
}

std::string ClockText(const LocalClock& local) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.year, local.month, local.day,
                  local.hour, local.minute);
    return text;
}

}  // namespace

std::optional<LocalClock> TypedLocalClock(const EntryFields& f) {
    return ClockOf(f.month, f.day, f.year, f.hour, f.minute, f.pm);
}

std::optional<ArcMinutesWest> TypedLongitude(const EntryFields& f) {
    constexpr int kMinutesPerDegree = 60;
    const auto degrees = WholeNumber(f.longDeg), minutes = WholeNumber(f.longMin);
    if (!degrees || !minutes || *degrees < 0 || *minutes < 0 || *minutes >= kMinutesPerDegree ||
        *degrees * kMinutesPerDegree + *minutes > 180 * kMinutesPerDegree) {
        return std::nullopt;
    }
    const int west = *degrees * kMinutesPerDegree + *minutes;
    return f.east ? -west : west;
}

EntryZone ZoneForClock(const std::string& zoneName, const LocalClock& local, Fold fold,
                       std::optional<ArcMinutesWest> longitude) {
    const ZoneLookup found = ZoneAtLocalTime(zoneName, local, longitude);
    EntryZone entry;
    if (!found.zone) {
        entry.problem = zoneName + ": " + found.problem;
        entry.databaseDamaged = found.databaseDamaged;
        return entry;
    }
    entry.kind = found.zone->kind;
    switch (found.zone->kind) {
        case LocalTimeKind::Once:
            entry.rule = found.zone->earlier;
            entry.fieldText = ZoneFieldText(entry.rule.secondsWest);
            entry.ruleLine = ZoneRuleText(zoneName, entry.rule);
            break;
        case LocalTimeKind::Skipped:
            entry.problem = ClockText(local) + " did not happen in " + zoneName +
                            ": the clocks went from " + found.zone->earlier.abbreviation + " to " +
                            found.zone->later.abbreviation + " and skipped it";
            break;
        case LocalTimeKind::Repeated: {
            const ZoneRule& taken = fold == Fold::Earlier ? found.zone->earlier : found.zone->later;
            entry.rule = taken;
            entry.fieldText = ZoneFieldText(taken.secondsWest);
            entry.ruleLine = ZoneRuleText(zoneName, taken) + "; " + ClockText(local) +
                             " happened twice, the " +
                             (fold == Fold::Earlier ? "earlier" : "later") + " (" +
                             taken.abbreviation + ") taken";
            break;
        }
    }
    return entry;
}

std::optional<std::string> RepeatedHourQuestion(const std::string& zoneName,
                                                const EntryFields& fields) {
    const std::optional<LocalClock> local = TypedLocalClock(fields);
    if (!local) {
        return std::nullopt;
    }
    const ZoneLookup both = ZoneAtLocalTime(zoneName, *local, TypedLongitude(fields));
    if (!both.zone || both.zone->kind != LocalTimeKind::Repeated) {
        return std::nullopt;
    }
    return "This clock time happened twice in " + zoneName + ", when the clocks went back. " +
           "Was it the first time, on " + both.zone->earlier.abbreviation +
           " (Yes), or the second, on " + both.zone->later.abbreviation + " (No)?";
}

std::optional<std::string> PickZoneName(const std::string& zoneName, EntryFields& place, Fold fold,
                                        Platform& platform) {
    const std::optional<LocalClock> local = TypedLocalClock(place);
    if (!local) {
        platform.ShowMessage("The offset of " + zoneName +
                                 " depends on the date and clock time. Please type the date, "
                                 "hour and minute first, then choose the zone again.",
                             "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    const EntryZone zone = ZoneForClock(zoneName, *local, fold, TypedLongitude(place));
    if (!zone.problem.empty()) {
        platform.ShowMessage("The zone cannot be filled: " + zone.problem + ".", "Warning!",
                             MessageIcon::Information);
        return std::nullopt;
    }
    // East and West stay the longitude's: Madrid lies west on an east zone.
    place.zone = zone.fieldText;
    place.zoneFromDatabase = zone.fieldText;
    return zone.ruleLine;
}

ZoneRuleNote NoteOfNatalZone(std::string zoneName, std::string rule,
                             const NatalEntryWindow& window) {
    return {std::move(zoneName), std::move(rule), window.fields.zone,
            TypedLocalClock(window.fields).value_or(LocalClock{})};
}

std::string RuleInForce(const ZoneRuleNote& note, const NatalEntryWindow& window) {
    const std::optional<LocalClock> clock = TypedLocalClock(window.fields);
    return !note.rule.empty() && window.fields.zone == note.zoneText && clock &&
                   *clock == note.clock
               ? note.rule
               : std::string();
}

}  // namespace solvaris
