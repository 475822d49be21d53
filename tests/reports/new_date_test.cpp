#include "reports/new_date.hpp"

#include <gtest/gtest.h>

#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(NewDate, TypedDateGivesItsDayNumberWithExcessDaysCarried) {
    struct Case {
        NewDateWindow typed;
        double dayNumber;
    };
    for (const Case& c : {
             Case{{"1", "1", "2000"}, 2451545},
             Case{{"2", "31", "2001"}, 2451972},  // 3 March 2001
             Case{{"2", "31", "2000"}, 2451606},  // 2 March of the leap year
             Case{{"12", "5", "1950"}, 2433621},
             Case{{"10", "4", "1582"}, 2299160},  // the last Julian day
             Case{{"10", "15", "1582"}, 2299161},
             Case{{"07", "04", "1776"}, 2369916},
         }) {
        ScriptedPlatform platform;
        const auto dayNumber = NewDateDayNumber(c.typed, platform);
        ASSERT_TRUE(dayNumber) << c.typed.txtMonth << "/" << c.typed.txtDay;
        EXPECT_EQ(*dayNumber, c.dayNumber) << c.typed.txtMonth << "/" << c.typed.txtDay;
        EXPECT_TRUE(platform.Messages().empty());
    }
}

TEST(NewDate, FieldsShownForADayNumberReadBackAsTheSameDay) {
    struct Case {
        double dayNumber;
        NewDateWindow shown;
    };
    for (const Case& c : {Case{2451545, {"1", "1", "2000"}}, Case{2451972, {"3", "3", "2001"}},
                          Case{2299160, {"10", "4", "1582"}}, Case{2299161, {"10", "15", "1582"}},
                          Case{2433621, {"12", "5", "1950"}}}) {
        const NewDateWindow shown = NewDateFieldsOf(c.dayNumber);
        EXPECT_EQ(shown.txtMonth, c.shown.txtMonth) << c.dayNumber;
        EXPECT_EQ(shown.txtDay, c.shown.txtDay) << c.dayNumber;
        EXPECT_EQ(shown.txtYear, c.shown.txtYear) << c.dayNumber;
        ScriptedPlatform platform;
        EXPECT_EQ(NewDateDayNumber(shown, platform), c.dayNumber);
    }
}

TEST(NewDate, EmptyOrOutOfRangeFieldsAreRefusedWithTheReason) {
    for (const NewDateWindow& typed :
         {NewDateWindow{"", "1", "2000"}, NewDateWindow{"1", "", "2000"},
          NewDateWindow{"1", "1", ""}, NewDateWindow{"0", "1", "2000"},
          NewDateWindow{"13", "1", "2000"}, NewDateWindow{"1", "0", "2000"},
          NewDateWindow{"1", "32", "2000"}, NewDateWindow{"1", "1", "0"},
          NewDateWindow{"1", "1", "2100"}}) {
        ScriptedPlatform platform;
        EXPECT_FALSE(NewDateDayNumber(typed, platform))
            << typed.txtMonth << "/" << typed.txtDay << "/" << typed.txtYear;
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].text, kNewDateError);
        EXPECT_EQ(platform.Messages()[0].title, "Warning!");
    }
}

}  // namespace
}  // namespace solvaris
