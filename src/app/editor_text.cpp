#include "app/editor_text.hpp"

#include "app/file_replace.hpp"
#include "app/text_lines.hpp"

namespace solvaris {

std::optional<std::string> LoadEditorText(const std::filesystem::path& file) {
    const auto lines = ReadTextLines(file);
    if (!lines) {
        return std::nullopt;
    }
    return JoinCrLf(*lines);
}

std::string SaveEditorText(const std::filesystem::path& file, const std::string& text) {
    return ReplaceFileContent(file, JoinCrLf(SplitLines(text)));
}

}  // namespace solvaris
