#include "base/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

namespace {

constexpr std::array<double, 10> kPowersOfTen{1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// The common case without std::to_chars: the value scaled by 10^decimals is
// held exactly as hi + lo (lo from a fused multiply-add), so its nearest
// whole number is known unless it lies within a hair of a half, which is
// left to std::to_chars. False when the value is not taken here.
bool AppendByScaling(std::string& text, double value, int decimals) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) {
        return false;
    }
    const double magnitude = std::fabs(value);
    const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
    constexpr double kExactWholeNumbers = 0x1p52;
    // Also refuses infinities and NaN.
    if (!(magnitude * scale < kExactWholeNumbers)) {
        return false;
    }
    const double hi = magnitude * scale;
    const double lo = std::fma(magnitude, scale, -hi);
    const double whole = std::nearbyint(hi);
    // hi - whole is exact; the sum errs by far less than the margin.
    constexpr double kClearOfAHalf = 0.4999;
    if (std::fabs((hi - whole) + lo) > kClearOfAHalf) {
        return false;
    }
    auto digits = static_cast<std::uint64_t>(whole);
    // 2^52 has 16 digits; a sign, a point and leading zeros make the rest.
    std::array<char, 32> buffer;
    char* begin = buffer.data() + buffer.size();
    for (int d = 0; d < decimals; ++d) {
        *--begin = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    if (decimals > 0) {
        *--begin = '.';
    }
    do {
        *--begin = static_cast<char>('0' + digits % 10);
        digits /= 10;
    } while (digits != 0);
    // printf keeps the sign of every negative value, -0.0000000 included.
    if (std::signbit(value)) {
        *--begin = '-';
    }
    text.append(begin, buffer.data() + buffer.size());
    return true;
}

}  // namespace

void AppendFixedDecimals(std::string& text, double value, int decimals) {
    if (AppendByScaling(text, value, decimals)) {
        return;
    }
    // std::to_chars rounds the exact binary value like printf does, without
    // the locale and format parsing; the stack buffer holds every value the
    // program writes, the largest doubles take the heap.
    std::array<char, 96> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec == std::errc()) {
        text.append(buffer.data(), end);
        return;
    }
    constexpr int kLargestIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
    std::string wide(kLargestIntegerDigits + 2 + static_cast<std::size_t>(decimals), '\0');
    const auto written = std::to_chars(wide.data(), wide.data() + wide.size(), value,
                                       std::chars_format::fixed, decimals);
    text.append(wide.data(), written.ptr);
}

std::string FixedDecimals(double value, int decimals) {
    std::string text;
    AppendFixedDecimals(text, value, decimals);
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
