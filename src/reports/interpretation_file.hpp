// Looking up a transit interpretation in its planet's text file: a key line
// ("SATURN Trine SUN") followed by its paragraph, ended by an empty line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

// The paragraph under the first line that matches `key` (leading blanks and
// the case of letters ignored). Nothing when the file cannot be read, the
// key is absent, or ten empty lines in a row end the search first.
std::optional<std::vector<std::string>> FindInterpretation(const std::filesystem::path& file,
                                                           std::string_view key);

// "SUN.TXT" ... "PLUTO.TXT", the file of transiting point 1 to 9.
std::string InterpretationFileName(int transitingPoint);

}  // namespace solvaris
