// Comma-separated fields as the names and cities files hold them: blanks
// around a field dropped; in the cities and time-zone files a quoted field
// is taken without its quotes (and may hold commas), while a names file
// has no quoting: a `"` there is a character of the name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

enum class Quoting { QuotedFields, None };

std::vector<std::string> CommaFields(std::string_view line,
                                     Quoting quoting = Quoting::QuotedFields);

// The fields of every line that is not blank, one after another: the
// file read as a stream of fields, records being counted off from it.
std::vector<std::string> FieldStream(const std::vector<std::string>& lines,
                                     Quoting quoting = Quoting::QuotedFields);

std::string Trimmed(std::string_view text);

}  // namespace solvaris
