// The fields of the atlas file's records, read quickly: the file holds
// 135,000 records, and a short command reads them all before it answers.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace solvaris {

// The tab-separated fields of `line`, at most `fields.size()` of them, the
// last cut at a further tab; how many there are.
std::size_t SplitAtlasFields(std::string_view line, std::span<std::string_view> fields);

// A latitude or longitude as the file writes it ("-58.3772"): exactly the
// float that std::from_chars makes of the text, false where it makes none
// of all of it.
bool ReadAtlasDegrees(std::string_view text, float& deg);

}  // namespace solvaris
