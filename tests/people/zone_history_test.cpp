// The offset of a tz zone at a typed local clock time, through the zone
// history: standard time, daylight saving, local mean time, gaps and folds.
#include "people/zone_history.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "people/city_zones.hpp"
#include "people/entry_rules.hpp"
#include "people/entry_zone.hpp"
#include "support/scripted_platform.hpp"

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

TEST(ZoneHistory, NamesContainingEveryWordIgnoringCaseAndBlanks) {
    const struct {
        const char* text;
        const char* found;  // null: nothing found
    } rows[] = {{"new_YORK", "America/New_York"},
                {"new york", "America/New_York"},
                {"  New   York ", "America/New_York"},
                {"york america", "America/New_York"},
                {"los angeles", "America/Los_Angeles"},
                {"no such zone", nullptr},
                {"new_york x", nullptr}};
    for (const auto& [text, found] : rows) {
        const std::vector<std::string> names = ZoneNamesContaining(text);
        EXPECT_TRUE(std::ranges::is_sorted(names)) << text;
        EXPECT_EQ(names.empty(), found == nullptr) << text;
        if (found != nullptr) {
            EXPECT_TRUE(std::ranges::find(names, found) != names.end()) << text;
        }
    }
    const std::vector<std::string> york = ZoneNamesContaining("new york");
    EXPECT_TRUE(std::ranges::all_of(
        york, [](const std::string& name) { return name.find("New_York") != std::string::npos; }));
    for (const char* none : {"", "   "}) {
        const std::vector<std::string> all = ZoneNamesContaining(none);
        EXPECT_GT(all.size(), 300u);
        EXPECT_TRUE(std::ranges::find(all, "US/Eastern") != all.end());  // an alias
    }
}

}  // namespace
}  // namespace solvaris

namespace solvaris {
namespace {

TEST(ZoneHistory, EveryCenturyLocalMeanTimeAndSummerLabels) {
    constexpr auto kOnce = LocalTimeKind::Once;
    struct Case {
        const char* zone;
        LocalClock local;
        std::optional<ArcMinutesWest> longitude;
        LocalTimeKind kind;
        int secondsWest;   // of the earlier rule
        const char* rule;  // its rule line
    };
    const Case cases[] = {
        // Past the last change the files list: the rule they end with.
        {"America/New_York",
         {2040, 7, 15, 12, 0, 0},
         {},
         kOnce,
         4 * 3600,
         "EDT, daylight saving, 4 hours west (America/New_York)"},
        {"America/New_York",
         {2040, 3, 11, 2, 30, 0},
         {},
         LocalTimeKind::Skipped,
         5 * 3600,
         "EST, standard time"},
        {"America/New_York",
         {2040, 11, 4, 1, 30, 0},
         {},
         LocalTimeKind::Repeated,
         4 * 3600,
         "EDT, daylight saving"},
        {"Australia/Sydney",
         {2040, 1, 15, 12, 0, 0},
         {},
         kOnce,
         -11 * 3600,
         "AEDT, daylight saving"},
        {"Australia/Sydney", {2040, 7, 15, 12, 0, 0}, {}, kOnce, -10 * 3600, "AEST, standard time"},
        // Buffalo before standard time: its own longitude's mean time.
        {"America/New_York",
         {1880, 6, 1, 12, 0, 0},
         78 * 60 + 52,
         kOnce,
         18928,
         "LMT, local mean time at 78W52, 5h15m28s west (America/New_York)"},
        // At noon of 18 November 1883 New York's clocks went back 3m58s;
        // Buffalo's went forward 15m28s: 11:50 never happened there.
        {"America/New_York",
         {1883, 11, 18, 11, 50, 0},
         78 * 60 + 52,
         LocalTimeKind::Skipped,
         18928,
         "LMT, local mean time at 78W52"},
        {"America/New_York",
         {1883, 11, 18, 12, 2, 0},
         {},
         LocalTimeKind::Repeated,
         17762,
         "LMT, local mean time, 4h56m02s west"},
        {"America/New_York",
         {1883, 11, 18, 12, 2, 0},
         78 * 60 + 52,
         kOnce,
         18000,
         "EST, standard time"},
        // Russian America kept Asia's date: 149W54 is 14h00m24s east.
        {"America/Anchorage",
         {1860, 1, 1, 12, 0, 0},
         149 * 60 + 54,
         kOnce,
         -50424,
         "LMT, local mean time at 149W54, 14h00m24s east"},
        {"Europe/Paris",
         {1880, 1, 1, 12, 0, 0},
         -(2 * 60 + 21),
         kOnce,
         -564,
         "LMT, local mean time at 2E21, 0h09m24s east"},
        {"Pacific/Kiritimati",
         {2020, 1, 15, 12, 0, 0},
         157 * 60 + 24,
         kOnce,
         -14 * 3600,
         "+14, standard time, 14 hours east"},
        {"Pacific/Chatham",
         {2020, 7, 15, 12, 0, 0},
         {},
         kOnce,
         -(12 * 3600 + 45 * 60),
         "+1245, standard time"},
        // The database's negative saving: Dublin's summer is its IST.
        {"Europe/Dublin", {2020, 1, 15, 12, 0, 0}, {}, kOnce, 0, "GMT, standard time"},
        {"Europe/Dublin", {2020, 7, 15, 12, 0, 0}, {}, kOnce, -3600, "IST, daylight saving"},
        {"Europe/Prague", {1947, 1, 15, 12, 0, 0}, {}, kOnce, 0, "GMT, standard time"},
        {"Europe/Prague", {1946, 11, 15, 12, 0, 0}, {}, kOnce, -3600, "CET, standard time"},
        {"Europe/London", {1941, 1, 15, 12, 0, 0}, {}, kOnce, -3600, "BST, daylight saving"},
        // Hanoi keeps Bangkok's clocks; Saigon was an hour ahead in 1972.
        {"Asia/Bangkok", {1972, 6, 1, 12, 0, 0}, {}, kOnce, -7 * 3600, "+07, standard time"},
        {"Asia/Ho_Chi_Minh", {1972, 6, 1, 12, 0, 0}, {}, kOnce, -8 * 3600, "+08, standard time"},
    };
    for (const Case& c : cases) {
        const ZoneLookup found = ZoneAtLocalTime(c.zone, c.local, c.longitude);
        ASSERT_TRUE(found.zone) << c.rule << found.problem;
        EXPECT_EQ(found.zone->kind, c.kind) << c.rule;
        EXPECT_EQ(found.zone->earlier.secondsWest, c.secondsWest) << c.rule;
        const std::string line = ZoneRuleText(c.zone, found.zone->earlier);
        EXPECT_EQ(line.rfind(c.rule, 0), 0u) << line;
    }
    // The instant form: the clock column of a New York birth a July long
    // ago on New Year's Day 2026 (17:00 UT) is EST.
    const ZoneRuleLookup winter = ZoneRuleAtInstant(
        "America/New_York", std::chrono::sys_seconds(std::chrono::seconds(1767286800)));
    ASSERT_TRUE(winter.rule);
    EXPECT_EQ(winter.rule->secondsWest, 5 * 3600);
}

TEST(EntryZone, TheDatabaseOffsetPassesTheEntryCheckATypedOneDoesNot) {
    EntryFields kiritimati;
    std::tie(kiritimati.month, kiritimati.day, kiritimati.year, kiritimati.hour, kiritimati.minute,
             kiritimati.pm) = std::tuple("1", "15", "2020", "12", "00", true);
    std::tie(kiritimati.longDeg, kiritimati.longMin, kiritimati.latDeg, kiritimati.latMin) =
        std::tuple("157", "24", "1", "52");
    ScriptedPlatform platform;
    ASSERT_TRUE(PickZoneName("Pacific/Kiritimati", kiritimati, Fold::Earlier, platform));
    EXPECT_EQ(kiritimati.zone, "-14");
    NatalEntryWindow natal{"K", kiritimati};
    DiurnalEntryWindow diurnal;
    diurnal.fields = kiritimati;
    EXPECT_TRUE(ValidateEntries(natal, diurnal, HouseSystem::Placidus, platform));
    natal.fields.zoneFromDatabase.clear();  // the same offset typed
    EXPECT_FALSE(ValidateEntries(natal, diurnal, HouseSystem::Placidus, platform));
}

}  // namespace
}  // namespace solvaris
