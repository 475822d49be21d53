// The user's ayanamsa fields of the Options window: what each reads, what
// is refused and why, and the option lines they write.
#include "app/user_ayanamsa_fields.hpp"

#include <gtest/gtest.h>

#include "app/zodiac_option_lines.hpp"

namespace solvaris {
namespace {

TEST(UserAyanamsaFields, RangesEdgesAndMessages) {
    struct Case {
        const char* deg;
        const char* epoch;
        const char* problemStart;  // empty: both read
    };
    for (const Case& c : {
             Case{"0", "100", ""},
             Case{" 23.85 ", "1950.25", ""},
             Case{"359.999", "2999.99", ""},
             Case{"360", "2000", "The user's ayanamsa must be"},
             Case{"-0.5", "2000", "The user's ayanamsa must be"},
             Case{"", "2000", "The user's ayanamsa must be"},
             Case{"24x", "2000", "The user's ayanamsa must be"},
             Case{"1e400", "2000", "The user's ayanamsa must be"},
             Case{"24", "99.9", "The epoch of the user's ayanamsa must be"},
             Case{"24", "3000", "The epoch of the user's ayanamsa must be"},
             Case{"24", "2000.0.0", "The epoch of the user's ayanamsa must be"},
         }) {
        SCOPED_TRACE(std::string(c.deg) + " at " + c.epoch);
        const Problem problem = UserAyanamsaFieldsProblem(c.deg, c.epoch);
        EXPECT_EQ(problem.substr(0, std::string(c.problemStart).size()), c.problemStart);
        EXPECT_EQ(problem.empty(), std::string(c.problemStart).empty());
        if (!problem.empty()) {
            EXPECT_NE(problem.find("Nothing was saved."), std::string::npos);
        }
    }
    EXPECT_EQ(UserAyanamsaFieldsProblem("abc", "2000"),
              "The user's ayanamsa must be a number of degrees from 0 up to 360, not 'abc'. "
              "Nothing was saved.");
}

TEST(UserAyanamsaFields, SevenCharacterFieldsKeepWhatTheyHaveRoomFor) {
    struct Case {
        double year;
        const char* field;
    };
    for (const Case& c :
         {Case{2000, "2000.0 "}, Case{1950.25, "1950.25"}, Case{1950.3, "1950.3 "},
          Case{1987.126, "1987.13"}, Case{285, "285.0  "}, Case{285.125, "285.125"}}) {
        EXPECT_EQ(UserEpochYearField(c.year), c.field) << c.year;
    }
    struct DegCase {
        double deg;
        const char* field;
    };
    // The field's seven places at the edges of its decimals and of the
    // circle: nothing reads as 360 or runs past its room.
    for (const DegCase& c : {DegCase{23.85, "23.8500"}, DegCase{123.45678, "123.457"},
                             DegCase{99.99996, "100.000"}, DegCase{99.99994, "99.9999"},
                             DegCase{359.9994, "359.999"}, DegCase{359.99995, "0.0000 "}}) {
        EXPECT_EQ(UserAyanamsaDegField(c.deg), c.field) << c.deg;
    }
    EXPECT_EQ(UserAyanamsaDegText(0), "0.0000");
    EXPECT_EQ(UserEpochYearText(2000), "2000.0");
}

TEST(UserAyanamsaFields, WrittenIntoLines221And222AndReadBack) {
    std::string text;
    for (int n = 1; n <= 217; ++n) {
        text += "    0  Option " + std::to_string(n) + "\r\n";
    }
    text +=
        "Swiss Ephemeris files: \r\n    1  Zodiac\r\n    4  Ayanamsa\r\n"
        "0.0000 Value\r\n2000.0 Epoch\r\n";
    const auto written = TextWithUserAyanamsa(text, 19.75, 1900.5);
    ASSERT_TRUE(written.has_value());
    std::string expected = text;
    expected.replace(expected.find("0.0000 Value"), 7, "19.7500");
    expected.replace(expected.find("2000.0 Epoch"), 7, "1900.5 ");
    EXPECT_EQ(*written, expected);
    EXPECT_DOUBLE_EQ(UserAyanamsaDegInText(*written), 19.75);
    EXPECT_NEAR(UserEpochYearInText(*written), 1900.5, 1e-9);
    // The same values again change nothing.
    EXPECT_EQ(TextWithUserAyanamsa(*written, 19.75, 1900.5), std::nullopt);
    // Nothing is written into a text that ends before option 217.
    EXPECT_EQ(TextWithUserAyanamsa("    8  Orb\r\n", 19.75, 1900.5), std::nullopt);
}

}  // namespace
}  // namespace solvaris
