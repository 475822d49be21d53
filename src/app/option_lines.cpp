#include "app/option_lines.hpp"

#include "base/text_lines.hpp"

namespace solvaris {

OptionLines SplitOptionLines(std::string_view text) {
    OptionLines split;
    split.lines = SplitLines(text);
    while (split.optionCount < split.lines.size() && !split.lines[split.optionCount].empty()) {
        ++split.optionCount;
    }
    if (!text.empty() && text.find("\r\n") == std::string_view::npos) {
        split.end = "\n";
    }
    return split;
}

std::string JoinOptionLines(const OptionLines& split) {
    std::string text;
    for (const std::string& line : split.lines) {
        text += line;
        text += split.end;
    }
    return text;
}

std::string TrimmedText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

}  // namespace solvaris
