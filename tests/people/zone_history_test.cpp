#include "people/zone_history.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "people/entry_zone.hpp"

namespace solvaris {
namespace {

constexpr int kHour = 3600;

TEST(ZoneHistory, HistoricalOffsetsGapsAndFolds) {
    constexpr auto kOnce = LocalTimeKind::Once;
    constexpr auto kTwice = LocalTimeKind::Repeated;
    constexpr auto kGap = LocalTimeKind::Skipped;
    constexpr int kNewYorkMean = 4 * kHour + 56 * 60 + 2;
    struct Case {
        const char* zone;
        LocalClock local;
        LocalTimeKind kind;
        int earlierSecondsWest;
        const char* earlierAbbreviation;
        bool earlierDaylightSaving;
        int laterShiftSeconds;  // the later offset less the earlier one
    };
    const Case cases[] = {
        {"America/New_York", {1950, 12, 5, 19, 45, 0}, kOnce, 5 * kHour, "EST", false, 0},
        {"America/New_York", {1950, 7, 1, 12, 0, 0}, kOnce, 4 * kHour, "EDT", true, 0},
        // Before 18 November 1883 New York kept its local mean time.
        {"America/New_York", {1880, 6, 1, 12, 0, 0}, kOnce, kNewYorkMean, "LMT", false, 0},
        {"Europe/London", {1941, 7, 1, 12, 0, 0}, kOnce, -2 * kHour, "BDST", true, 0},  // double
        {"Europe/Paris", {1942, 7, 1, 12, 0, 0}, kOnce, -2 * kHour, "CEST", true, 0},   // war time
        // The United States' year-round daylight saving of 1974.
        {"America/New_York", {1974, 1, 15, 12, 0, 0}, kOnce, 4 * kHour, "EDT", true, 0},
        // India's war time, an hour ahead of its standard five and a half.
        {"Asia/Kolkata", {1942, 12, 1, 12, 0, 0}, kOnce, -23400, "+0630", true, 0},
        {"America/New_York", {2021, 11, 7, 1, 30, 0}, kTwice, 4 * kHour, "EDT", true, kHour},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, kGap, 5 * kHour, "EST", false, -kHour},
        {"Australia/Sydney", {2000, 1, 1, 0, 0, 0}, kOnce, -11 * kHour, "AEDT", true, 0},
        {"Etc/UTC", {1700, 1, 1, 0, 0, 0}, kOnce, 0, "UTC", false, 0},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.zone) + " " + std::to_string(c.local.year) + "-" +
                                 std::to_string(c.local.month) + "-" + std::to_string(c.local.day);
        const ZoneLookup found = ZoneAtLocalTime(c.zone, c.local);
        ASSERT_TRUE(found.zone) << what << ": " << found.problem;
        EXPECT_EQ(found.zone->kind, c.kind) << what;
        EXPECT_EQ(found.zone->earlier.secondsWest, c.earlierSecondsWest) << what;
        EXPECT_EQ(found.zone->earlier.abbreviation, c.earlierAbbreviation) << what;
        EXPECT_EQ(found.zone->earlier.daylightSaving, c.earlierDaylightSaving) << what;
        EXPECT_EQ(found.zone->later.secondsWest, c.earlierSecondsWest + c.laterShiftSeconds)
            << what;
    }
    for (const auto& [zone, local] : {std::pair<const char*, LocalClock>{"America/Nowhere", {}},
                                      {"", {}},
                                      {"Europe/Paris", {1950, 2, 30, 0, 0, 0}}}) {
        const ZoneLookup found = ZoneAtLocalTime(zone, local);
        EXPECT_FALSE(found.zone) << zone;
        EXPECT_FALSE(found.problem.empty()) << zone;
    }
}

TEST(ZoneHistory, NamesContainingATextIgnoringCase) {
    const std::vector<std::string> york = ZoneNamesContaining("new_YORK");
    EXPECT_NE(std::find(york.begin(), york.end(), "America/New_York"), york.end());
    EXPECT_TRUE(std::is_sorted(york.begin(), york.end()));
    for (const std::string& name : york) {
        EXPECT_NE(name.find("New_York"), std::string::npos) << name;
    }
    const std::vector<std::string> all = ZoneNamesContaining("");
    EXPECT_GT(all.size(), 300u);
    EXPECT_NE(std::find(all.begin(), all.end(), "US/Eastern"), all.end());  // an alias
    EXPECT_TRUE(ZoneNamesContaining("no such zone").empty());
}

EntryFields Typed(const char* month, const char* day, const char* year, const char* hour,
                  const char* minute, bool pm) {
    EntryFields f;
    std::tie(f.month, f.day, f.year, f.hour, f.minute, f.pm) =
        std::tuple(month, day, year, hour, minute, pm);
    return f;
}

TEST(EntryZone, OffsetForTheTypedClockTime) {
    struct Case {
        EntryFields typed;
        Fold fold;
        const char* field;  // empty: refused
        LocalTimeKind kind;
        const char* inRule;
    };
    const Case cases[] = {
        // 12:30 A.M. is half past midnight: still daylight saving on the
        // night the clocks go back at two.
        {Typed("11", "7", "2021", "12", "30", false), Fold::Later, "4", LocalTimeKind::Once, "EDT"},
        {Typed("11", "7", "2021", "1", "30", false), Fold::Earlier, "4", LocalTimeKind::Repeated,
         "happened twice, the earlier (EDT) taken"},
        {Typed("11", "7", "2021", "1", "30", false), Fold::Later, "5", LocalTimeKind::Repeated,
         "happened twice, the later (EST) taken"},
        {Typed("3", "14", "2021", "2", "30", false), Fold::Earlier, "", LocalTimeKind::Skipped, ""},
        {Typed("6", "1", "1880", "12", "00", true), Fold::Earlier, "4.933889", LocalTimeKind::Once,
         "LMT, local mean time, 4h56m02s west (America/New_York)"},
    };
    for (const Case& c : cases) {
        const auto clock = TypedLocalClock(c.typed);
        ASSERT_TRUE(clock) << c.inRule;
        const EntryZone zone = ZoneForClock("America/New_York", *clock, c.fold);
        EXPECT_EQ(zone.fieldText, c.field) << c.inRule;
        EXPECT_EQ(zone.kind, c.kind) << c.inRule;
        EXPECT_NE(zone.ruleLine.find(c.inRule), std::string::npos) << zone.ruleLine;
        EXPECT_EQ(zone.problem.empty(), *c.field != '\0') << zone.problem;
    }
    const EntryZone gap = ZoneForClock("America/New_York", {2021, 3, 14, 2, 30, 0}, Fold::Earlier);
    EXPECT_NE(gap.problem.find("2021-03-14 02:30 did not happen"), std::string::npos)
        << gap.problem;
    EXPECT_FALSE(
        ZoneForClock("Mars/Olympus_Mons", {2021, 3, 14, 2, 30, 0}, Fold::Earlier).problem.empty());
    EXPECT_FALSE(TypedLocalClock(Typed("12", "5", "1950", "x", "45", true)));
    EXPECT_FALSE(TypedLocalClock(Typed("12", "5", "1950", "13", "45", true)));
    EXPECT_FALSE(TypedLocalClock(Typed("12", "", "1950", "7", "45", true)));
}

}  // namespace
}  // namespace solvaris
