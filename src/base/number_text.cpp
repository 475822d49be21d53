#include "base/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace solvaris {

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FixedDecimals(double value, int decimals) {
    // std::to_chars rounds the exact binary value like printf does, without
    // the locale and format parsing; the stack buffer holds every value the
    // program writes, the largest doubles take the heap.
    std::array<char, 96> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec == std::errc()) {
        return std::string(buffer.data(), end);
    }
    constexpr int kLargestIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
    std::string text(kLargestIntegerDigits + 2 + static_cast<std::size_t>(decimals), '\0');
    const auto wide = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(wide.ptr - text.data()));
    return text;
}

std::string NumberAsTyped(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string SignedNumberText(double value) {
    std::string text = NumberAsTyped(value);
    if (!(value < 0)) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

}  // namespace solvaris
