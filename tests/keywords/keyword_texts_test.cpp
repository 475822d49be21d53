#include "keywords/keyword_texts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace solvaris {
namespace {

// The corners of the grid and cells around its gaps; outside it nothing.
TEST(KeywordTexts, GridLabelsSitWhereTheWindowExpects) {
    const struct {
        int row;
        int column;
        std::string_view label;
    } cases[] = {
        {0, 0, "Sun"},        {8, 1, "Sagittarius"},
        {9, 2, "10th house"}, {11, 3, "General 3"},
        {4, 3, ""},           {8, 3, ""},
        {-1, 0, ""},          {12, 0, ""},
        {0, 4, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeywordCellLabel(c.row, c.column), c.label) << c.row << "," << c.column;
    }
    EXPECT_EQ(KeywordMessage(""), "");
    EXPECT_EQ(KeywordMessage("Vulcan"), "");
}

TEST(KeywordTexts, EveryLabelledCellHasAMessage) {
    int labelled = 0;
    for (int row = 0; row < kKeywordGridRows; ++row) {
        for (int column = 0; column < kKeywordGridColumns; ++column) {
            const std::string_view label = KeywordCellLabel(row, column);
            if (label.empty()) {
                continue;
            }
            ++labelled;
            EXPECT_FALSE(KeywordMessage(label).empty()) << label;
        }
    }
    EXPECT_EQ(labelled, 46);
}

}  // namespace
}  // namespace solvaris
