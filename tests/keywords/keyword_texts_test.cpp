#include "keywords/keyword_texts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace solvaris {
namespace {

struct EdgeCase {
    std::string_view label;
    std::string_view prefix;
    std::string_view suffix;
};

TEST(KeywordTexts, MessagesStartAndEndAsAssembled) {
    const EdgeCase cases[] = {
        {"Leo", "In the house where Leo rules the cusp is where:\n\n", "Thought series: Will"},
        {"Venus", "Venus ", "easy way out)\nThought series: Social"},
        {"Aspects", "Conjunction: Prominence, Semi-sextile: Growth\n", "Parallel: Intensity\n"},
    };
    for (const EdgeCase& c : cases) {
        const std::string message = KeywordMessage(c.label);
        EXPECT_TRUE(message.starts_with(c.prefix)) << c.label;
        EXPECT_TRUE(message.ends_with(c.suffix)) << c.label;
    }
}

TEST(KeywordTexts, EmptyAndUnknownCellsGiveNoMessage) {
    EXPECT_EQ(KeywordCellLabel(4, 3), "");
    EXPECT_EQ(KeywordCellLabel(8, 3), "");
    EXPECT_EQ(KeywordMessage(KeywordCellLabel(4, 3)), "");
    EXPECT_EQ(KeywordMessage("Vulcan"), "");
    EXPECT_EQ(KeywordCellLabel(-1, 0), "");
    EXPECT_EQ(KeywordCellLabel(12, 0), "");
    EXPECT_EQ(KeywordCellLabel(0, 4), "");
}

TEST(KeywordTexts, GridLabelsSitWhereTheWindowExpects) {
    const struct {
        int row;
        int column;
        std::string_view label;
    } cases[] = {
        {0, 0, "Sun"},
        {8, 1, "Sagittarius"},
        {9, 2, "10th house"},
        {11, 3, "General 3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeywordCellLabel(c.row, c.column), c.label) << c.row << "," << c.column;
    }
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

TEST(KeywordTexts, AspectsMessageHasFiveLines) {
    const std::string message = KeywordMessage("Aspects");
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 5);
    EXPECT_TRUE(message.ends_with("\n"));
    EXPECT_EQ(message.find("\n\n"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
