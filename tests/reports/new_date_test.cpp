#include "reports/new_date.hpp"

#include <gtest/gtest.h>

#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// A typed date gives its day number, excess days carried into the next
// month; the fields shown for that number read back as the same day. Empty
// or out-of-range fields are refused with the reason.
TEST(NewDate, TypedDatesDayNumbersAndRefusals) {
    struct Case {
        NewDateWindow typed;
        double dayNumber;
        NewDateWindow shown;
    };
    // 2000 a leap year; 1582 October 4 the last Julian day.
    const Case cases[] = {{{"1", "1", "2000"}, 2451545, {"1", "1", "2000"}},
                          {{"2", "31", "2001"}, 2451972, {"3", "3", "2001"}},
                          {{"2", "31", "2000"}, 2451606, {"3", "2", "2000"}},
                          {{"10", "4", "1582"}, 2299160, {"10", "4", "1582"}},
                          {{"10", "15", "1582"}, 2299161, {"10", "15", "1582"}},
                          {{"07", "04", "1776"}, 2369916, {"7", "4", "1776"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.txtMonth + "/" + c.typed.txtDay + "/" + c.typed.txtYear);
        ScriptedPlatform platform;
        const auto dayNumber = NewDateDayNumber(c.typed, platform);
        ASSERT_TRUE(dayNumber);
        EXPECT_EQ(*dayNumber, c.dayNumber);
        EXPECT_TRUE(platform.Messages().empty());
        const NewDateWindow shown = NewDateFieldsOf(c.dayNumber);
        EXPECT_EQ(shown.txtMonth + "/" + shown.txtDay + "/" + shown.txtYear,
                  c.shown.txtMonth + "/" + c.shown.txtDay + "/" + c.shown.txtYear);
        EXPECT_EQ(NewDateDayNumber(shown, platform), c.dayNumber);
    }
    const NewDateWindow refused[] = {{"", "1", "2000"},   {"1", "", "2000"},   {"1", "1", ""},
                                     {"0", "1", "2000"},  {"13", "1", "2000"}, {"1", "0", "2000"},
                                     {"1", "32", "2000"}, {"1", "1", "0"},     {"1", "1", "2100"}};
    for (const NewDateWindow& typed : refused) {
        SCOPED_TRACE(typed.txtMonth + "/" + typed.txtDay + "/" + typed.txtYear);
        ScriptedPlatform platform;
        EXPECT_FALSE(NewDateDayNumber(typed, platform));
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].text, kNewDateError);
        EXPECT_EQ(platform.Messages()[0].title, "Warning!");
    }
}

}  // namespace
}  // namespace solvaris
