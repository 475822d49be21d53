// Comma-separated fields as the names and cities files hold them: blanks
// around a field dropped; in the cities and time-zone files a quoted field
// is taken without its quotes (and may hold commas), while a names file
// has no quoting: a `"` there is a character of the name.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

enum class Quoting { QuotedFields, None };

// Calls `field` with each field of the line in turn, so that a line of a
// million commas is walked without a million strings.
void ForEachCommaField(std::string_view line, Quoting quoting,
                       const std::function<void(std::string&&)>& field);

std::vector<std::string> CommaFields(std::string_view line,
                                     Quoting quoting = Quoting::QuotedFields);

// The fields of every line of `text` that is not blank, one after another,
// handed to `field`: the file read as a stream of fields, records being
// counted off from it.
void ForEachStreamField(std::string_view text, Quoting quoting,
                        const std::function<void(std::string&&)>& field);

// The stream of fields counted off `fieldCount` at a time; `record` gets
// each record that is not wholly blank (a run of commas must not grow a
// list of empty ones). False when the last record is incomplete.
bool ForEachStreamRecord(std::string_view text, Quoting quoting, std::size_t fieldCount,
                         const std::function<void(std::vector<std::string>&)>& record);

std::string Trimmed(std::string_view text);

}  // namespace solvaris
