// Line-by-line reading of the program's text files, which may come with
// CR LF or LF line ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace solvaris {

// Every line without its line end; nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

}  // namespace solvaris
