// The program's text primitives: encodings, line ends, number and date
// patterns, control characters shown, the options file (what cannot be a data
// file: ReaderFaults).
#include <gtest/gtest.h>

#include "base/format_pattern.hpp"
#include "base/lenient_number.hpp"
#include "base/options.hpp"
#include "base/text_lines.hpp"
#include "base/visible_text.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(FormatNumber, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    for (const Case& c :
         {Case{7.45, "##.#0", "7.45"}, Case{74.0, "#00#.#0", "074.00"},
          Case{-74.0, "#00#.#0", "-074.00"}, Case{-5.3, "#00#.#0", "-005.30"},
          Case{-33.52, "#0#.#0", "-33.52"}, Case{5.3, "#0#.#0", "05.30"}, Case{3, "00", "03"},
          Case{0.5, "#0.00", "0.50"}, Case{-0.001, "#0.00", "0.00"}, Case{5.125, "##0.00", "5.13"},
          Case{359.999, "##0.00", "360.00"}, Case{7, "#.##", "7."}}) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << ' ' << c.pattern;
    }
}

TEST(TextLines, EncodingsAndLineEnds) {
    TempFolder folder;
    const auto lines = [&folder](const std::string& bytes) {
        return ReadTextLines(folder.Write("lines.txt", bytes)).value_or(Lines{"(unread)"});
    };
    EXPECT_EQ(lines("one\r\ntwo\r\n"), (Lines{"one", "two"}));
    EXPECT_EQ(lines("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(lines("Z\xfcrich \x80 5\r\n"), (Lines{"Z\xc3\xbcrich \xe2\x82\xac 5"}));  // CP1252
    EXPECT_EQ(lines("Z\xc3\xbcrich\r\n"), (Lines{"Z\xc3\xbcrich"}));
    // A byte-order mark opening the file is no part of its first line.
    EXPECT_EQ(lines("\ufeffAnn,05 Dec 1950\r\n\ufeff\r\n"), (Lines{"Ann,05 Dec 1950", "\ufeff"}));
    EXPECT_EQ(lines("\ufeffZ\xfcrich\r\n"), (Lines{"Z\xc3\xbcrich"}));
    EXPECT_FALSE(ReadTextLines(folder / "missing.txt"));
    EXPECT_EQ(CharacterCount("Z\xc3\xbcrich"), 6u);
    for (const char* invalid : {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xf5\x80\x80\x80"}) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    }
    EXPECT_TRUE(IsValidUtf8("\xf0\x9f\x9c\x80 \xe2\x99\x88"));
}

// Names from a file reach the terminal without their control characters
// (the escapes a name may carry: NamesCommands).
TEST(VisibleText, ShowsControlCharactersAndKeepsEverythingElse) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"Zo\xc3\xab \xe2\x99\x8c", "Zo\xc3\xab \xe2\x99\x8c"},  // letters and signs kept
        {"\x1b[2J\x1b[H", "\\x1b[2J\\x1b[H"},
        {"a\tb\rc\nd\x7f", "a\\x09b\\x0dc\\x0ad\\x7f"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\u009b31m", "\\u009b31m"},   // CSI, the C1 escape
        {"\u00a0nbsp", "\u00a0nbsp"},  // U+00A0 is no control
        {"cut \xc2", "cut \xc2"},      // a lone lead byte stays
    };
    for (const Case& c : cases) EXPECT_EQ(VisibleText(c.text), c.shown) << c.shown;
}

// An option's value is the number its first seven characters begin with.
TEST(LenientNumber, PrefixesAndOptionValues) {
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
    for (const Case& c : {Case{"1234567890", 1234567}, Case{"  12.5 orb of the conjunction", 12.5},
                          Case{"Placidus", 0}, Case{"      1234", 1}, Case{"0.1", 0.1f}}) {
        EXPECT_EQ(OptionValue(c.text), static_cast<float>(c.value)) << '"' << c.text << '"';
    }
}

// An empty line ends the options, a reload keeps the rest; LF lines, lines
// past the table, a missing file. No option at all is no options file: the
// caller says so as for a missing one instead of drawing with every option 0.
TEST(OptionsFile, LfLinesAndExtraLinesAndMissingFile) {
    const TempFolder folder;
    const std::filesystem::path path = folder / "OPTIONS.OPT";
    OptionTable table;
    const auto load = [&](const std::string& text) {
        folder.Write("OPTIONS.OPT", text);
        return LoadOptions(path, table);
    };
    ASSERT_EQ(load("8 conj\r\n6 opp\r\n5 trine\r\n4\r\n"), "");
    ASSERT_EQ(load("1\r\n2\r\n\r\n9\r\n"), "");
    EXPECT_EQ(std::vector({table(2), table(3), table(4)}), std::vector({2.0f, 5.0f, 4.0f}));

    std::string text;
    for (int n = 1; n <= 226; ++n) text += std::to_string(n) + " option\n";
    ASSERT_EQ(load(text), "");
    // Line 217 chooses the positions engine, 219 to 222 the zodiac, 223 the
    // midpoint orb, 224 the harmonic and 225 the extra points; lines past
    // them are not read.
    EXPECT_EQ(std::vector({table(0), table(1), table(217), table(219), table(223), table(224),
                           table(225), table(226)}),
              std::vector({0.0f, 1.0f, 217.0f, 219.0f, 223.0f, 224.0f, 225.0f, 0.0f}));

    for (const char* empty : {"", "\r\n", "\r\n1\r\n"}) {
        EXPECT_EQ(load(empty), "empty") << empty;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(LoadOptions(path, table), "no such file");
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadOptions(path, table), "a folder");
    EXPECT_EQ(table(216), 216.0f);  // kept through every refusal
}

}  // namespace
}  // namespace solvaris
