// The plain-text editors of the options, orb, names and cities files: the
// file shown as text, every line followed by CR LF, and the text written
// back so that a text ending in a line break round-trips unchanged and one
// without it loses nothing. A save refuses to overwrite what another
// program wrote after the editor read the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/problem.hpp"

namespace solvaris {

struct EditorFile {
    std::string text;                      // every line followed by CR LF
    std::optional<std::string> bytesRead;  // the file as read; nothing when there was none
};

// Nothing when the file cannot be read.
std::optional<EditorFile> LoadEditorText(const std::filesystem::path& file);

// Empty on success, else what failed; the file is replaced crash-safely,
// and only while it still holds `bytesRead`, which then become the bytes
// written.
Problem SaveEditorText(const std::filesystem::path& file, const std::string& text,
                       std::optional<std::string>& bytesRead);

}  // namespace solvaris
