// Comma-separated fields as the names and cities files hold them: blanks
// around a field dropped, a quoted field taken without its quotes (and may
// hold commas).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

std::vector<std::string> CommaFields(std::string_view line);

// The fields of every line that is not blank, one after another: the
// file read as a stream of fields, records being counted off from it.
std::vector<std::string> FieldStream(const std::vector<std::string>& lines);

std::string Trimmed(std::string_view text);

}  // namespace solvaris
