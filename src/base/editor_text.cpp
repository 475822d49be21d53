#include "base/editor_text.hpp"

#include "base/file_replace.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

std::optional<std::string> LoadEditorText(const std::filesystem::path& file) {
    const auto lines = ReadTextLines(file);
    if (!lines) {
        return std::nullopt;
    }
    return JoinCrLf(*lines);
}

Problem SaveEditorText(const std::filesystem::path& file, const std::string& text) {
    return ReplaceFileContent(file, JoinCrLf(SplitLines(text)));
}

}  // namespace solvaris
