// The zone field filled for the typed date and clock time: the twelve
// o'clock rule, a repeated hour by the fold asked for, a skipped one refused.
#include "people/entry_zone.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

NatalEntryWindow Typed(const char* month, const char* day, const char* year, const char* hour,
                       const char* minute, bool pm) {
    NatalEntryWindow w;
    w.txtMonth = month;
    w.txtDay = day;
    w.txtYear = year;
    w.txtBirthHour = hour;
    w.txtBirthMinute = minute;
    w.optPM = pm;
    return w;
}

TEST(EntryZone, OffsetForTheTypedClockTime) {
    struct Case {
        NatalEntryWindow typed;
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
        const auto clock = NatalLocalClock(c.typed);
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
    EXPECT_FALSE(NatalLocalClock(Typed("12", "5", "1950", "x", "45", true)));
    EXPECT_FALSE(NatalLocalClock(Typed("12", "5", "1950", "13", "45", true)));
    EXPECT_FALSE(NatalLocalClock(Typed("12", "", "1950", "7", "45", true)));
}

}  // namespace
}  // namespace solvaris
