// The seven-decimal numbers of `positions` and `batch`: printf's "%.*f" and
// std::to_chars, the ways they were written before, beside FixedDecimals
// (the exactly scaled value), over the same degrees and Julian days.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>

#include "base/number_text.hpp"

namespace {

using namespace solvaris;

constexpr int kColumnDecimals = 7;

std::array<double, 1024> ColumnValues() {
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> degrees(-90.0, 360.0);
    std::uniform_real_distribution<double> julianDays(2415020.0, 2488070.0);
    std::array<double, 1024> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        // One Julian day to six angles, as in a positions row.
        values[i] = i % 7 == 0 ? julianDays(random) : degrees(random);
    }
    return values;
}

std::string PrintfFixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

void BM_FixedDecimalsPrintf(benchmark::State& state) {
    const auto values = ColumnValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrintfFixed(values[i++ % values.size()], kColumnDecimals));
    }
}
BENCHMARK(BM_FixedDecimalsPrintf);

std::string ToCharsFixed(double value, int decimals) {
    std::array<char, 96> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    return std::string(buffer.data(), written.ptr);
}

void BM_FixedDecimalsToChars(benchmark::State& state) {
    const auto values = ColumnValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToCharsFixed(values[i++ % values.size()], kColumnDecimals));
    }
}
BENCHMARK(BM_FixedDecimalsToChars);

void BM_FixedDecimals(benchmark::State& state) {
    const auto values = ColumnValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FixedDecimals(values[i++ % values.size()], kColumnDecimals));
    }
}
BENCHMARK(BM_FixedDecimals);

}  // namespace
