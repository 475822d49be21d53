// The lines of an options text, as the Options window's controls rewrite
// single lines of it: the options end at the first empty line, and the text
// keeps its line end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

struct OptionLines {
    std::vector<std::string> lines;
    std::size_t optionCount = 0;
    std::string end = "\r\n";
};

OptionLines SplitOptionLines(std::string_view text);
std::string JoinOptionLines(const OptionLines& split);

// A line's text without its blanks at either end.
std::string TrimmedText(std::string_view text);

}  // namespace solvaris
