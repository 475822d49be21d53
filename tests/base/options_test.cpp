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
// past the table, a missing file.
TEST(OptionsFile, LfLinesAndExtraLinesAndMissingFile) {
    const testing::TempFolder folder;
    const std::filesystem::path path = folder / "OPTIONS.OPT";
    const auto write = [&folder](const std::string& text) { folder.Write("OPTIONS.OPT", text); };
    OptionTable table;
    write("8 conj\r\n6 opp\r\n5 trine\r\n4\r\n");
    ASSERT_EQ(LoadOptions(path, table), "");
    write("1\r\n2\r\n\r\n9\r\n");
    ASSERT_EQ(LoadOptions(path, table), "");
    EXPECT_EQ(table(2), 2.0f);
    EXPECT_EQ(table(3), 5.0f);  // kept from the first load
    EXPECT_EQ(table(4), 4.0f);

    std::string text;
    for (int n = 1; n <= 220; ++n) {
        text += std::to_string(n) + " option\n";
    }
    write(text);
    ASSERT_EQ(LoadOptions(path, table), "");
    EXPECT_EQ(table(1), 1.0f);
    EXPECT_EQ(table(216), 216.0f);
    EXPECT_EQ(table(217), 0.0f);
    EXPECT_EQ(table(0), 0.0f);

    std::filesystem::remove(path);
    EXPECT_EQ(LoadOptions(path, table), "no such file");
    EXPECT_EQ(table(216), 216.0f);
    // No option at all is no options file: the caller says so as for a
    // missing one instead of drawing with every option 0.
    for (const char* empty : {"", "\r\n", "\r\n1\r\n"}) {
        write(empty);
        EXPECT_EQ(LoadOptions(path, table), "empty") << empty;
        EXPECT_EQ(table(216), 216.0f);
    }
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadOptions(path, table), "a folder");
}

}  // namespace
}  // namespace solvaris
