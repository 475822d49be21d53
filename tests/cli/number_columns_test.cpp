// The numbers `positions` and `batch` write, checked byte for byte against
// printf's "%.*f" (the way they were written before), which rounds the exact
// binary value independently of std::to_chars; the ISO 8601 moment the JSON
// gives beside a Julian day.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.hpp"
#include "cli/json_text.hpp"

namespace solvaris {
namespace {

std::string PrintfFixed(double value, int decimals) {
    std::vector<char> buffer(400 + static_cast<std::size_t>(decimals));
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return buffer.data();
}

TEST(NumberColumns, HardValuesAsPrintfWritesThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {
        0.0,
        -0.0,        // negative zero keeps its sign
        0.99999995,  // rounds up at the seventh decimal
        0.99999994999999,
        -0.99999995,
        359.99999995,
        359.999999949,
        0.00000005,  // a tie in decimal, not in binary
        2.5,
        0.00390625,  // exact binary ties, to even
        -1e-9,       // rounds to a negative zero
        std::numeric_limits<double>::denorm_min(),
        450359962.7370496,  // about where 10^7 times the value leaves the exact whole numbers
        4503599.627370496,  // the same for nine decimals
        9007199254740993.0,
        -1.7976931348623157e308,
        1e60,  // wider than the old 64-character buffer
        inf,
        -inf,
        std::nan(""),
        -std::nan(""),
    };
    for (const double v : values) {
        for (const int decimals : {0, 2, 4, 6, 7, 9, 12}) {
            EXPECT_EQ(FixedDecimals(v, decimals), PrintfFixed(v, decimals))
                << v << " with " << decimals << " decimals";
        }
    }
}

TEST(NumberColumns, SeededRandomValuesAsPrintfWritesThem) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> degrees(-360.0, 360.0);
    std::uniform_real_distribution<double> julianDays(0.0, 5000000.0);
    std::uniform_int_distribution<std::uint64_t> anyBits;
    std::uniform_int_distribution<int> binaryPlaces(1, 40);
    std::uniform_int_distribution<int> anyDecimals(0, 12);
    int mismatches = 0;
    for (int n = 0; n < 40000; ++n) {
        const double degree = degrees(random);
        // A value sitting on the seventh decimal's rounding edge.
        const double edge = std::round(degree * 1e7) / 1e7 + 5e-8;
        const std::uint64_t bits = anyBits(random);
        double anyDouble = 0;
        std::memcpy(&anyDouble, &bits, sizeof anyDouble);
        // A whole number over a power of two: exact ties at some decimals.
        const double dyadic = std::ldexp(static_cast<double>(bits >> 30), -binaryPlaces(random));
        const int decimals = n % 2 == 0 ? 7 : anyDecimals(random);
        for (const double v : {degree, edge, julianDays(random), anyDouble, dyadic}) {
            if (FixedDecimals(v, decimals) != PrintfFixed(v, decimals) && ++mismatches <= 10) {
                ADD_FAILURE() << "differs from printf: " << PrintfFixed(v, decimals);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(IsoMoment, JulianDaysToTheNearestSecond) {
    struct Case {
        double jd;
        const char* moment;
    };
    const Case cases[] = {
        {2451545.0, "2000-01-01T12:00:00+00:00"},        // the epoch J2000: noon
        {2451544.5, "2000-01-01T00:00:00+00:00"},        // midnight begins the civil day
        {2451544.4999999, "2000-01-01T00:00:00+00:00"},  // 9 ms before rounds into the new day
        {2451544.49999, "1999-12-31T23:59:59+00:00"},
        {2451910.4999999, "2001-01-01T00:00:00+00:00"},  // across a year end
        {2451603.5, "2000-02-29T00:00:00+00:00"},        // a leap day
        {2299160.5, "1582-10-15T00:00:00+00:00"},        // the first Gregorian day
        {2461379.9693678, "2026-12-05T11:15:53+00:00"},
        {2415020.75, "1900-01-01T06:00:00+00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoMomentOfJulianDay(c.jd), c.moment) << c.jd;
    }
}

}  // namespace
}  // namespace solvaris
