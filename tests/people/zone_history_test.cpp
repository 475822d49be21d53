// The offset of a tz zone at a typed local clock time, through the zone
// history: standard time, daylight saving, local mean time, gaps and folds.
#include "people/zone_history.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "people/entry_zone.hpp"

namespace solvaris {
namespace {

EntryFields Typed(const char* month, const char* day, const char* year, const char* hour,
                  const char* minute, bool pm) {
    EntryFields f;
    std::tie(f.month, f.day, f.year, f.hour, f.minute, f.pm) =
        std::tuple(month, day, year, hour, minute, pm);
    return f;
}

TEST(EntryZone, OffsetForTheTypedClockTime) {
    constexpr auto kOnce = LocalTimeKind::Once;
    constexpr auto kTwice = LocalTimeKind::Repeated;
    struct Case {
        const char* zone;
        const char *month, *day, *year, *hour, *minute;
        bool pm;
        Fold fold;
        const char* field;  // empty: refused
        LocalTimeKind kind;
        const char* inRule;  // in the rule line or the refusal
    };
    const Case cases[] = {
        // 12:30 A.M. is half past midnight: still daylight saving on the
        // night the clocks go back at two.
        {"America/New_York", "11", "7", "2021", "12", "30", false, Fold::Later, "4", kOnce,
         "EDT, daylight saving, 4 hours west (America/New_York)"},
        {"America/New_York", "11", "7", "2021", "1", "30", false, Fold::Earlier, "4", kTwice,
         "2021-11-07 01:30 happened twice, the earlier (EDT) taken"},
        {"America/New_York", "11", "7", "2021", "1", "30", false, Fold::Later, "5", kTwice,
         "happened twice, the later (EST) taken"},
        {"America/New_York", "3", "14", "2021", "2", "30", false, Fold::Earlier, "",
         LocalTimeKind::Skipped,
         "2021-03-14 02:30 did not happen in America/New_York: the "
         "clocks went from EST to EDT"},
        // Before 18 November 1883 New York kept its local mean time.
        {"America/New_York", "6", "1", "1880", "12", "00", true, Fold::Earlier, "4.933889", kOnce,
         "LMT, local mean time, 4h56m02s west (America/New_York)"},
        {"Europe/Paris", "6", "1", "1880", "12", "00", true, Fold::Earlier, "-0.155833", kOnce,
         "LMT, local mean time, 0h09m21s east (Europe/Paris)"},
        {"Europe/London", "7", "1", "1941", "12", "00", true, Fold::Earlier, "-2", kOnce,
         "BDST, daylight saving, 2 hours east (Europe/London)"},  // double summer time
        {"Europe/London", "1", "15", "2000", "12", "00", true, Fold::Earlier, "0", kOnce,
         "GMT, standard time, 0 hours (Europe/London)"},
        {"Asia/Kathmandu", "1", "15", "2000", "12", "00", true, Fold::Earlier, "-5.75", kOnce,
         "+0545, standard time, 5h45m east (Asia/Kathmandu)"},
    };
    for (const Case& c : cases) {
        const auto clock = TypedLocalClock(Typed(c.month, c.day, c.year, c.hour, c.minute, c.pm));
        ASSERT_TRUE(clock) << c.inRule;
        const EntryZone zone = ZoneForClock(c.zone, *clock, c.fold);
        EXPECT_EQ(zone.fieldText, c.field) << c.inRule;
        EXPECT_EQ(zone.kind, c.kind) << c.inRule;
        EXPECT_NE((zone.ruleLine + zone.problem).find(c.inRule), std::string::npos)
            << zone.ruleLine << zone.problem;
        EXPECT_EQ(zone.problem.empty(), *c.field != '\0') << zone.problem;
    }
    EXPECT_FALSE(
        ZoneForClock("Mars/Olympus_Mons", {2021, 3, 14, 2, 30, 0}, Fold::Earlier).problem.empty());
    for (const auto& [zone, local] :
         {std::pair<const char*, LocalClock>{"", {}}, {"Europe/Paris", {1950, 2, 30, 0, 0, 0}}}) {
        const ZoneLookup found = ZoneAtLocalTime(zone, local);
        EXPECT_FALSE(found.zone || found.problem.empty()) << zone;
    }
    for (const char* hour : {"x", "13", ""}) {
        EXPECT_FALSE(TypedLocalClock(Typed("12", "5", "1950", hour, "45", true))) << hour;
    }
    EXPECT_FALSE(TypedLocalClock(Typed("12", "", "1950", "7", "45", true)));
}

TEST(ZoneHistory, NamesContainingATextIgnoringCase) {
    const std::vector<std::string> york = ZoneNamesContaining("new_YORK");
    EXPECT_TRUE(std::ranges::is_sorted(york));
    EXPECT_TRUE(std::ranges::find(york, "America/New_York") != york.end());
    EXPECT_TRUE(std::ranges::all_of(
        york, [](const std::string& name) { return name.find("New_York") != std::string::npos; }));
    const std::vector<std::string> all = ZoneNamesContaining("");
    EXPECT_GT(all.size(), 300u);
    EXPECT_TRUE(std::ranges::find(all, "US/Eastern") != all.end());  // an alias
    EXPECT_TRUE(ZoneNamesContaining("no such zone").empty());
}

}  // namespace
}  // namespace solvaris
