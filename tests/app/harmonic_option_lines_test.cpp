// The harmonic in the options text: option 224 written with the lines
// before it that are missing, and left alone when the text reads as asked.
#include "app/harmonic_option_lines.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {
namespace {

TEST(HarmonicOptionLines, WrittenWithTheMissingLinesAndReadBack) {
    // Lines before, harmonic, whether written.
    for (const auto& [count, n, written] :
         {std::tuple{216, 5, false}, std::tuple{217, 5, true}, std::tuple{222, 180, true},
          std::tuple{224, 7, true}, std::tuple{224, 1, false}, std::tuple{217, 1, false}}) {
        std::string before;
        for (int line = 1; line <= count; ++line) {
            before += "    0  Option " + std::to_string(line) + "\r\n";
        }
        const auto after = TextWithHarmonic(before, n);
        ASSERT_EQ(after.has_value(), written) << count << ' ' << n;
        if (after) {
            const std::vector<std::string> lines = SplitLines(*after);
            EXPECT_EQ(HarmonicInText(*after), n);
            EXPECT_EQ(OptionValue(lines[222]), count < 223 ? 1.5f : 0.0f);  // the midpoint orb
            const std::vector<std::string> old = SplitLines(before);        // kept but option 224
            EXPECT_TRUE(std::equal(old.begin(), old.begin() + std::min(count, 223), lines.begin()));
            EXPECT_EQ(TextWithHarmonic(*after, n), std::nullopt);
        }
    }
}

}  // namespace
}  // namespace solvaris
