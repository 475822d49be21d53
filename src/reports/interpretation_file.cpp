#include "reports/interpretation_file.hpp"

#include <cctype>

#include "base/text_lines.hpp"
#include "engine/chart_point.hpp"

namespace solvaris {

namespace {

constexpr int kEmptyLinesThatEndTheSearch = 10;

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

std::string_view WithoutLeadingBlanks(std::string_view line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

}  // namespace

std::optional<std::vector<std::string>> FindInterpretation(const std::filesystem::path& file,
                                                           std::string_view key) {
    const auto lines = ReadTextLines(file);
    if (!lines) {
        return std::nullopt;
    }
    const std::string wanted = UpperCase(key);
    int emptyRun = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        if (line.empty()) {
            if (++emptyRun >= kEmptyLinesThatEndTheSearch) {
                return std::nullopt;
            }
            continue;
        }
        emptyRun = 0;
        if (UpperCase(WithoutLeadingBlanks(line)) != wanted) {
            continue;
        }
        std::vector<std::string> paragraph;
        for (std::size_t j = i + 1; j < lines->size() && !(*lines)[j].empty(); ++j) {
            paragraph.push_back((*lines)[j]);
        }
        return paragraph;
    }
    return std::nullopt;
}

std::string InterpretationFileName(int transitingPoint) {
    return std::string(kPointListNames[transitingPoint]) + ".TXT";
}

}  // namespace solvaris
