#include "base/editor_text.hpp"

#include "base/file_replace.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

std::optional<EditorFile> LoadEditorText(const std::filesystem::path& file) {
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return std::nullopt;
    }
    std::string text = WithCrLfEnds(DecodeText(*bytes));
    return EditorFile{std::move(text), std::move(bytes)};
}

Problem SaveEditorText(const std::filesystem::path& file, const std::string& text,
                       std::optional<std::string>& bytesRead) {
    std::string content = WithCrLfEnds(text);
    Problem failure =
        ReplaceFileContentFrom(file, [&](const std::filesystem::path& target, std::string& built) {
            if (Problem changed = ChangedSinceRead(target, bytesRead); !changed.empty()) {
                return changed;
            }
            built = content;
            return Problem();
        });
    if (failure.empty()) {
        bytesRead = std::move(content);
    }
    return failure;
}

}  // namespace solvaris
