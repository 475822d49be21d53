// Whether the extra points are shown, in the options text: option 225
// written with the lines before it that are missing, and left alone when
// the text reads as asked.
#include "app/extra_points_option_lines.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/harmonic_option_lines.hpp"
#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {
namespace {

TEST(ExtraPointsOptionLines, WrittenWithTheMissingLinesAndReadBack) {
    // Lines before (each "    0"), shown, whether written.
    for (const auto& [count, shown, written] :
         {std::tuple{216, true, false}, std::tuple{222, true, true}, std::tuple{224, true, true},
          std::tuple{225, true, true}, std::tuple{225, false, false},
          std::tuple{224, false, false}}) {
        std::string before;
        for (int line = 1; line <= count; ++line) {
            before += "    0  Option " + std::to_string(line) + "\r\n";
        }
        const auto after = TextWithExtraPoints(before, shown);
        ASSERT_EQ(after.has_value(), written) << count << ' ' << shown;
        if (after) {
            const std::vector<std::string> lines = SplitLines(*after);
            ASSERT_EQ(lines.size(), 225u);
            EXPECT_TRUE(ExtraPointsInText(*after));
            EXPECT_EQ(lines[224], count < 225 ? "    1  Extra points: 1 = Lilith, Chiron and the "
                                                "asteroids shown"
                                              : "    1  Option 225");
            EXPECT_EQ(OptionValue(lines[222]), count < 223 ? 1.5f : 0.0f);  // the midpoint orb
            EXPECT_EQ(HarmonicInText(*after), 1);
            const std::vector<std::string> old = SplitLines(before);  // kept but option 225
            EXPECT_TRUE(std::equal(old.begin(), old.begin() + std::min(count, 224), lines.begin()));
            EXPECT_EQ(TextWithExtraPoints(*after, true), std::nullopt);
            // Unticked again: only the value field goes back.
            std::string unticked = *after;
            unticked.replace(unticked.rfind("    1  "), 7, "    0  ");
            EXPECT_EQ(TextWithExtraPoints(*after, false), unticked);
        }
    }
}

}  // namespace
}  // namespace solvaris
