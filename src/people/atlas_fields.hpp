// The fields of the atlas file's records, read quickly: the file holds
// 135,000 records, and a short command reads them all before it answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace solvaris {

// The high bit of each of the 8 bytes of `word` that is `c`, and of no other
// byte: how the reading and the search look at 8 bytes at once.
inline std::uint64_t BytesThatAre(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7f;
    const std::uint64_t zeroWhereC = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((zeroWhereC & kLow7) + kLow7) | zeroWhereC | kLow7);
}

// The tab-separated fields of `line`, at most `fields.size()` of them, the
// last cut at a further tab; how many there are.
std::size_t SplitAtlasFields(std::string_view line, std::span<std::string_view> fields);

// A latitude or longitude as the file writes it ("-58.3772"): exactly the
// float that std::from_chars makes of the text, false where it makes none
// of all of it.
bool ReadAtlasDegrees(std::string_view text, float& deg);

}  // namespace solvaris
