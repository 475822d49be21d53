// The zone field of an entry window filled from a tz database zone for the
// date and clock time typed in that window, with the rule that applied in
// words, so that no assumption (a repeated hour, local mean time) is hidden.
#pragma once

#include <optional>
#include <string>

#include "base/problem.hpp"
#include "people/entry_fields.hpp"
#include "people/zone_history.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// Which of a twice-happening clock time is meant: the first, still on
// daylight saving, or the second, after the clocks went back.
enum class Fold { Earlier, Later };

struct EntryZone {
    std::string fieldText;  // the zone field's new text; empty when there is none
    std::string ruleLine;   // the rule in words, for the line beside the field
    ZoneRule rule;          // the rule taken
    LocalTimeKind kind = LocalTimeKind::Once;
    Problem problem;               // why the field cannot be filled
    bool databaseDamaged = false;  // the zone's file is there but no zone file
};

// The local clock time typed in a window: hour 1-12 with A.M./P.M. (12
// A.M. is midnight); nothing when a field is not a number.
std::optional<LocalClock> TypedLocalClock(const EntryFields& fields);

// The longitude typed in a window; nothing when a field is not a number or
// out of range.
std::optional<ArcMinutesWest> TypedLongitude(const EntryFields& fields);

// The zone of `zoneName` at `local`, local mean time that of `longitude`
// when given. A skipped time is a problem (it never happened on that
// clock); a repeated one takes `fold` and says so.
EntryZone ZoneForClock(const std::string& zoneName, const LocalClock& local, Fold fold,
                       std::optional<ArcMinutesWest> longitude = std::nullopt);

// The question a window asks before filling a zone whose offset is two at
// its typed clock time (when the clocks went back): Yes for the earlier,
// No for the later. Nothing when the time happened once.
std::optional<std::string> RepeatedHourQuestion(const std::string& zoneName,
                                                const EntryFields& fields);

// A zone name picked for a window: its zone field filled for the window's
// typed date, time and longitude, a repeated one by `fold` (East and West
// stay the longitude's); the field then takes any offset of the database. A skipped time, a date
// not yet typed or an unknown zone is said in a message box and nothing changes. The rule in words
// when filled, else nothing.
std::optional<std::string> PickZoneName(const std::string& zoneName, EntryFields& place, Fold fold,
                                        Platform& platform);

// The rule of a zone filled from the tz database into the natal window,
// with the zone text and moment it was found for.
struct ZoneRuleNote {
    std::string zoneName;
    std::string rule;
    std::string zoneText;
    LocalClock clock;
};

// The note of a rule of `zoneName` just filled into the natal window.
ZoneRuleNote NoteOfNatalZone(std::string zoneName, std::string rule,
                             const NatalEntryWindow& window);

// The note's rule while the window still holds that zone at that moment;
// empty once the user typed another zone, date or time.
std::string RuleInForce(const ZoneRuleNote& note, const NatalEntryWindow& window);

}  // namespace solvaris
