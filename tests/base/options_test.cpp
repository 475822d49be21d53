#include "base/options.hpp"

#include <gtest/gtest.h>

#include "base/lenient_number.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(LenientNumber, Prefixes) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"  12.5 degrees", 12.5}, Case{"abc", 0}, Case{"", 0}, Case{"-3", -3},
                          Case{"+4.25x", 4.25}, Case{".5", 0.5}, Case{"7.", 7}, Case{"1e3", 1000},
                          Case{"1e", 1}, Case{"2E-1z", 0.2}, Case{"-", 0}, Case{"- 5", 0},
                          Case{"\t 9", 9}, Case{"1e999", 0}, Case{"12 34", 12}}) {
        EXPECT_EQ(LenientNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(OptionValue, ReadsOnlySevenCharacters) {
    EXPECT_EQ(OptionValue("1234567890"), 1234567.0f);
    EXPECT_EQ(OptionValue("  12.5 orb of the conjunction"), 12.5f);
    EXPECT_EQ(OptionValue("Placidus"), 0.0f);
    EXPECT_EQ(OptionValue("      1234"), 1.0f);  // the value runs past column 7
    EXPECT_EQ(OptionValue("0.1"), 0.1f);         // single precision
}

// An empty line ends the options, a reload keeps the rest; LF lines, lines
// past the table, a missing file. No option at all is no options file: the
// caller says so as for a missing one instead of drawing with every option 0.
TEST(OptionsFile, LfLinesAndExtraLinesAndMissingFile) {
    const testing::TempFolder folder;
    const std::filesystem::path path = folder / "OPTIONS.OPT";
    OptionTable table;
    const auto load = [&](const std::string& text) {
        folder.Write("OPTIONS.OPT", text);
        return LoadOptions(path, table);
    };
    ASSERT_EQ(load("8 conj\r\n6 opp\r\n5 trine\r\n4\r\n"), OptionsLoad::Loaded);
    ASSERT_EQ(load("1\r\n2\r\n\r\n9\r\n"), OptionsLoad::Loaded);
    EXPECT_EQ(std::vector({table(2), table(3), table(4)}), std::vector({2.0f, 5.0f, 4.0f}));

    std::string text;
    for (int n = 1; n <= 220; ++n) text += std::to_string(n) + " option\n";
    ASSERT_EQ(load(text), OptionsLoad::Loaded);
    EXPECT_EQ(std::vector({table(0), table(1), table(216), table(217)}),
              std::vector({0.0f, 1.0f, 216.0f, 0.0f}));

    for (const char* empty : {"", "\r\n", "\r\n1\r\n"}) {
        EXPECT_EQ(load(empty), OptionsLoad::Empty) << empty;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(LoadOptions(path, table), OptionsLoad::Unreadable);
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadOptions(path, table), OptionsLoad::Unreadable);  // a folder of that name
    EXPECT_EQ(table(216), 216.0f);                                 // kept through every refusal
}

}  // namespace
}  // namespace solvaris
