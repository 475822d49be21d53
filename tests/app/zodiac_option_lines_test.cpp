// The zodiac in the options text: read from options 219 to 222, written back
// so that a text the control leaves alone keeps every byte.
#include "app/zodiac_option_lines.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

std::string OptionsText(int count, const std::string& after = "") {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += "    0  Option " + std::to_string(n) + "\r\n";
    }
    return text + after;
}

const std::string kLines218To222 =
    "Swiss Ephemeris files: /srv/ephe\r\n"
    "    1  Zodiac\r\n"
    "    3  Ayanamsa\r\n"
    "24.1250 Value\r\n"
    "1987.5 Epoch\r\n";

TEST(ZodiacOptionLines, ReadFromTheTextAndWrittenBackOnlyWhenItChanges) {
    // Read: tropical until option 219 says 1; a value outside the list is Lahiri.
    EXPECT_FALSE(ZodiacChoiceInText(OptionsText(217)).sidereal);
    const Zodiac raman = ZodiacChoiceInText(OptionsText(217, kLines218To222));
    EXPECT_TRUE(raman.sidereal);
    EXPECT_EQ(raman.ayanamsa, Ayanamsa::Raman);
    EXPECT_NEAR(raman.userDeg, 24.125, 1e-6);
    EXPECT_NEAR(raman.userEpochJd, JulianEpochJd(1987.5), 1e-3);
    std::string odd = OptionsText(217, kLines218To222);
    odd.replace(odd.find("    3  Ayanamsa"), 7, "    9  ");
    EXPECT_EQ(ZodiacChoiceInText(odd).ayanamsa, Ayanamsa::Lahiri);
    // After an empty line the options have ended.
    EXPECT_FALSE(ZodiacChoiceInText(OptionsText(217, "\r\n" + kLines218To222)).sidereal);

    // Written: nothing before option 217; line 218 added without a folder;
    // the values rewritten and the descriptions kept.
    EXPECT_FALSE(ZodiacLinesWritable(OptionsText(216)));
    EXPECT_TRUE(ZodiacLinesWritable(OptionsText(217)));
    EXPECT_EQ(TextWithZodiac(OptionsText(216), raman), std::nullopt);
    EXPECT_EQ(TextWithZodiac(OptionsText(217, kLines218To222), raman), std::nullopt);
    Zodiac lahiri;
    lahiri.sidereal = true;
    const auto added = TextWithZodiac(OptionsText(217, "\r\nnotes\r\n"), lahiri);
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(*added, OptionsText(217) + "Swiss Ephemeris files: \r\n" +
                          "    1  Zodiac: 0 = tropical, 1 = sidereal\r\n" +
                          "    0  Ayanamsa: 0 = Lahiri, 1 = Fagan/Bradley, 2 = Krishnamurti, 3 "
                          "= Raman, 4 = the user's\r\n" +
                          "0.0000 The user's ayanamsa in degrees at its epoch\r\n" +
                          "2000.0 The epoch of the user's ayanamsa, a year (2000.0 is J2000)\r\n" +
                          "\r\nnotes\r\n");
    EXPECT_TRUE(ZodiacChoiceInText(*added).sidereal);
    Zodiac user = raman;
    user.ayanamsa = Ayanamsa::User;
    user.userDeg = 123.45678;
    const auto rewritten = TextWithZodiac(OptionsText(217, kLines218To222), user);
    ASSERT_TRUE(rewritten.has_value());
    EXPECT_EQ(*rewritten, OptionsText(217) + "Swiss Ephemeris files: /srv/ephe\r\n" +
                              "    1  Zodiac\r\n    4  Ayanamsa\r\n123.457 Value\r\n" +
                              "1987.5 Epoch\r\n");
    const Zodiac back = ZodiacChoiceInText(*rewritten);
    EXPECT_EQ(back.ayanamsa, Ayanamsa::User);
    EXPECT_NEAR(back.userDeg, 123.457, 1e-4);
    // LF lines stay LF.
    std::string lf = OptionsText(217);
    for (auto at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) {
        lf.erase(at, 1);
    }
    EXPECT_EQ(TextWithZodiac(lf, lahiri)->find('\r'), std::string::npos);
}

}  // namespace
}  // namespace solvaris
