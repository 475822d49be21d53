// A report saved to a text file: the session's lines with a form feed line
// after every page, and the file name proposed from the person's name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.hpp"

namespace solvaris {

// The page length of saved reports, in lines.

inline constexpr std::string_view kSavedReportExtension = "doc";

// Lines 0 to the spare empty slot, each with CR LF; after line i (i not 0,
// i a multiple of option 45 - 1) a line holding only a form feed; one more
// form-feed line at the end. Below 2 the option gives no inner form feeds.
std::string SavedReportText(const std::vector<std::string>& lines, const OptionTable& options);

// The name before its first blank when a blank is among its first 8
// characters, else its first 8 characters; then ".DOC". Characters that
// cannot stand in a file name become "_".
std::string ProposedReportFileName(std::string_view personName);

// The chosen path with ".doc" added when it has no extension.
std::filesystem::path WithReportExtension(const std::filesystem::path& chosen);

}  // namespace solvaris
