// The shipped option and orb files are complete and usable (CR LF: see shipped texts).
#include <gtest/gtest.h>

#include <string_view>

#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

TEST(ShippedOptions, MasterAndWorkingCopyHoldEveryOptionWithItsDescription) {
    const auto master = ReadFileBytes(kData / "OPTIONS.MAS");
    const auto working = ReadFileBytes(kData / "OPTIONS.OPT");
    ASSERT_TRUE(master && working);
    EXPECT_EQ(*working, *master);

    const auto lines = ReadTextLines(kData / "OPTIONS.OPT");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), static_cast<std::size_t>(kOptionCount));
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        ASSERT_GT(line.size(), 8u) << "option " << i + 1 << " has no description";
        EXPECT_EQ(line[6], ' ') << "option " << i + 1 << ": value field wider than 7";
        EXPECT_NE(line.substr(7).find_first_not_of(' '), std::string::npos) << i + 1;
        EXPECT_LT(line.size(), 80u) << "option " << i + 1;
    }

    OptionTable options;
    ASSERT_EQ(LoadOptions(kData / "OPTIONS.OPT", options), "");
    EXPECT_NE(options(212), 0.0f) << "0 refuses the single progressed wheel";
    EXPECT_GE(options(27), 1.0f);  // a house system of the Houses menu
    EXPECT_LE(options(27), 9.0f);
    EXPECT_TRUE(options(16) == 0.0f || options(16) == 1.0f);
    EXPECT_TRUE(options(17) == 0.0f || options(17) == 1.0f);
    EXPECT_GE(options(45), 2.0f) << "the save commands need a page of two lines or more";
    EXPECT_GT(options(30), 0.0f);
    EXPECT_GE(options(18), -13.0f);
    EXPECT_LE(options(18), 12.0f);
    EXPECT_LE(options(19), 180.0f);
    EXPECT_LE(options(20), 59.0f);
    EXPECT_LE(options(22), 90.0f);
    EXPECT_LE(options(23), 59.0f);
    for (int colour : {88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  98,  99,  100,
                       101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113,
                       114, 115, 116, 176, 181, 182, 183, 184, 185, 186, 187}) {
        EXPECT_GE(options(colour), 0.0f) << "colour option " << colour;
        EXPECT_LE(options(colour), 15.0f) << "colour option " << colour;
    }
}

TEST(ShippedOptions, EveryOrbFileGivesSeventeenOrbs) {
    for (std::string_view name : {"NATAL.ORB", "PROGRESS.ORB", "SOLARARC.ORB", "TRANSIT.ORB",
                                  "SOLARRTN.ORB", "LUNARRTN.ORB", "NAT2PROG.ORB", "NAT2SA.ORB",
                                  "NAT2TRAN.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "SYNASTRY.ORB"}) {
        const auto lines = ReadTextLines(kData / name);
        ASSERT_TRUE(lines) << name << " is missing";
        ASSERT_EQ(lines->size(), 17u) << name;
        for (std::size_t k = 0; k < lines->size(); ++k) {
            const std::string& line = (*lines)[k];
            ASSERT_GT(line.size(), 8u) << name << " entry " << k + 1 << " has no label";
            const float orb = OptionValue(line);
            EXPECT_GT(orb, 0.0f) << name << " entry " << k + 1;
            EXPECT_LT(orb, 15.0f) << name << " entry " << k + 1;
        }
    }
}

}  // namespace
}  // namespace solvaris
