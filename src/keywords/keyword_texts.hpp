// Texts of the Keywords window: the labels of its 12 x 4 grid and the
// message shown when a labelled cell is clicked. The texts belong to the
// program, so they are held here as data and the window only looks them up.
#pragma once

#include <string>
#include <string_view>

namespace solvaris {

inline constexpr int kKeywordGridRows = 12;
inline constexpr int kKeywordGridColumns = 4;

// How the message of a topic is put together.
enum class KeywordTopicKind {
    Planet,   // description, then the three keyword lines
    Sign,     // the house-cusp lead-in, then as a planet
    Text,     // the text alone: houses, elements, qualities, general topics
    Aspects,  // the aspect keyword lines
};

struct KeywordTopic {
    std::string_view label;  // the grid cell label, the key of the table
    KeywordTopicKind kind;
    std::string_view text;  // description of a planet or sign, or the text
    std::string_view bestQuality;
    std::string_view worstQuality;
    std::string_view thoughtSeries;
};

// The topic named by a cell label, or nullptr when there is none.
const KeywordTopic* FindKeywordTopic(std::string_view label);

// The label of grid cell (row, column); "" for the two empty cells and for
// any cell outside the grid.
std::string_view KeywordCellLabel(int row, int column);

// The message-box text for a clicked cell label; "" for an empty or unknown
// label, in which case the window shows nothing.
std::string KeywordMessage(std::string_view cellLabel);

}  // namespace solvaris
