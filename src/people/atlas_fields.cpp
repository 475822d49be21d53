#include "people/atlas_fields.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>

namespace solvaris {

std::size_t SplitAtlasFields(std::string_view line, std::span<std::string_view> fields) {
    std::size_t count = 0;
    std::size_t start = 0;
    std::size_t at = 0;
    const auto cut = [&](std::size_t tab) {
        fields[count++] = line.substr(start, tab - start);
        start = tab + 1;
    };
    // The fields before the last are short: eight bytes looked at together
    // rather than a search call for each field.
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::size_t kWordBytes = 8;
        for (; count + 1 < fields.size() && at + kWordBytes <= line.size(); at += kWordBytes) {
            std::uint64_t word = 0;
            std::memcpy(&word, line.data() + at, kWordBytes);
            for (std::uint64_t tabs = BytesThatAre(word, '\t');
                 tabs != 0 && count + 1 < fields.size(); tabs &= tabs - 1) {
                cut(at + static_cast<std::size_t>(std::countr_zero(tabs)) / kWordBytes);
            }
        }
    }
    for (; count + 1 < fields.size() && at < line.size(); ++at) {
        if (line[at] == '\t') {
            cut(at);
        }
    }
    if (count < fields.size()) {
        fields[count++] = line.substr(start, line.find('\t', start) - start);
    }
    return count;
}

bool ReadAtlasDegrees(std::string_view text, float& deg) {
    // "-?D{1,3}(.D{1,4})?" directly: a whole number of ten-thousandths below
    // 2^24 is exact in a float, and one division by an exact power of ten
    // rounds once, to the float nearest the decimal, as from_chars does.
    constexpr std::array<float, 5> kPowersOfTen = {1, 10, 100, 1000, 10000};
    constexpr std::size_t kIntegerDigits = 3;
    std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t integerStart = at;
    std::uint32_t units = 0;
    const auto digits = [&](std::size_t most) {
        const std::size_t from = at;
        while (at < text.size() && at - from < most && text[at] >= '0' && text[at] <= '9') {
            units = units * 10 + static_cast<std::uint32_t>(text[at++] - '0');
        }
        return at - from;
    };
    const std::size_t integerDigits = digits(kIntegerDigits);
    std::size_t decimals = 0;
    if (integerDigits > 0 && at < text.size() && text[at] == '.') {
        ++at;
        decimals = digits(kPowersOfTen.size() - 1);
    }
    const bool direct =
        integerDigits > 0 && at == text.size() && (decimals > 0 || text.back() != '.');
    if (!direct) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), deg);
        return error == std::errc() && end == text.data() + text.size();
    }
    const float magnitude = static_cast<float>(units) / kPowersOfTen[decimals];
    deg = integerStart == 1 ? -magnitude : magnitude;
    return true;
}

}  // namespace solvaris
