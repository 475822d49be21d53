// The harmonic in the options text: option 224 read, written with the lines
// before it that are missing, and left alone when it already says so.
#include "app/harmonic_option_lines.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {
namespace {

std::string OptionsText(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += "    0  Option " + std::to_string(n) + "\r\n";
    }
    return text;
}

TEST(HarmonicOptionLines, WrittenWithTheMissingLinesAndReadBack) {
    struct Case {
        int lines;  // of the text before
        int n;
        bool written;
    };
    const Case cases[] = {
        {216, 5, false},  // ends before option 217: nothing can be written
        {217, 5, true},   // the shipped file: lines 218 to 224 added
        {222, 180, true}, {224, 7, true},
        {224, 1, false},  // option 224 of 0 already reads as the natal chart
        {217, 1, false},  // and so does a text without it
    };
    for (const Case& c : cases) {
        const std::string before = OptionsText(c.lines);
        const auto after = TextWithHarmonic(before, c.n);
        ASSERT_EQ(after.has_value(), c.written) << c.lines;
        if (!after) {
            continue;
        }
        EXPECT_EQ(HarmonicInText(*after), c.n) << c.lines;
        const std::vector<std::string> lines = SplitLines(*after);
        ASSERT_GE(lines.size(), 224u);
        EXPECT_EQ(lines[223].substr(0, 7), ("    " + std::to_string(c.n) + "   ").substr(0, 7));
        EXPECT_EQ(OptionValue(lines[222]), c.lines < 223 ? 1.5f : 0.0f);  // the midpoint orb
        // The lines before the text's end, but option 224's, keep every byte.
        const std::string kept = OptionsText(std::min(c.lines, 223));
        EXPECT_EQ(after->substr(0, kept.size()), kept) << c.lines;
        EXPECT_EQ(TextWithHarmonic(*after, c.n), std::nullopt);
    }
}

}  // namespace
}  // namespace solvaris
