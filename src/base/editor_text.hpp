// The plain-text editors of the options, orb, names and cities files: the
// file shown as text, every line followed by CR LF, and the text written
// back so that a text ending in a line break round-trips unchanged and one
// without it loses nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/problem.hpp"

namespace solvaris {

std::optional<std::string> LoadEditorText(const std::filesystem::path& file);

// Empty on success, else what failed; the file is replaced crash-safely.
Problem SaveEditorText(const std::filesystem::path& file, const std::string& text);

}  // namespace solvaris
