// What `positions` and `batch` write: numbers byte for byte as printf's
// "%.*f" rounds the exact binary value (independently of std::to_chars), the
// ISO 8601 moment beside a Julian day, the same bytes on any number of jobs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "base/number_text.hpp"
#include "cli/command_line.hpp"
#include "formats/json_text.hpp"
#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

std::string PrintfFixed(double value, int decimals) {
    std::vector<char> buffer(400 + static_cast<std::size_t>(decimals));
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return buffer.data();
}

TEST(NumberColumns, HardAndSeededRandomValuesAsPrintfWritesThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {
        0.0, -0.0, -1e-9,  // negative zero keeps its sign, and -1e-9 rounds to one
        0.99999995, 0.99999994999999, -0.99999995, 359.99999995, 359.999999949,  // 7th decimal
        0.00000005, 2.5, 0.00390625,  // a tie in decimal, not in binary; exact ties, to even
        // Where 10^7 and 10^9 times the value leave the exact whole numbers.
        450359962.7370496, 4503599.627370496, 9007199254740993.0,
        std::numeric_limits<double>::denorm_min(), -1.7976931348623157e308,
        1e60,  // wider than the old 64-character buffer
        inf, -inf, std::nan(""), -std::nan("")};
    for (const double v : values) {
        for (const int decimals : {0, 2, 4, 6, 7, 9, 12}) {
            EXPECT_EQ(FixedDecimals(v, decimals), PrintfFixed(v, decimals))
                << v << " with " << decimals << " decimals";
        }
    }
    // And seeded random ones.
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
    using Case = std::pair<double, const char*>;
    const Case cases[] = {
        {2451545.0, "2000-01-01T12:00:00+00:00"},        // the epoch J2000: noon
        {2451544.5, "2000-01-01T00:00:00+00:00"},        // midnight begins the civil day
        {2451544.4999999, "2000-01-01T00:00:00+00:00"},  // 9 ms before rounds into the new day
        {2451544.49999, "1999-12-31T23:59:59+00:00"},
        {2451910.4999999, "2001-01-01T00:00:00+00:00"},  // across a year end
        {2451603.5, "2000-02-29T00:00:00+00:00"},        // a leap day
        {2299160.5, "1582-10-15T00:00:00+00:00"},        // the first Gregorian day
        {2461379.9693678, "2026-12-05T11:15:53+00:00"},
    };
    for (const auto& [jd, moment] : cases) {
        EXPECT_EQ(IsoMomentOfJulianDay(jd), moment) << jd;
    }
}

using testing::Outcome;
using testing::RunArgs;
using testing::TempFolder;

constexpr int kPersons = 300;
// Blank lines carry the file past the first block of persons the batch
// casts before writing, so that rows on both sides of the seam are checked.
constexpr int kLinesPerPerson = 16;

// Varied persons and, among them, records that are none, dates that do not
// exist and latitudes the houses refuse, their lines listed in `badLines`.
std::string NamesFile(std::vector<int>& badLines) {
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string text;
    int line = 0;
    for (int n = 0; n < kPersons; ++n) {
        ++line;
        if (n % 37 == 5 || n == 255) {  // the last person before the seam
            text += "Broken " + std::to_string(n) + "\r\n";
            badLines.push_back(line);
        } else if (n % 41 == 7) {
            text += "Feb" + std::to_string(n) + ",31 Feb 1950,7.45,P,5,074.00,40.43\r\n";
            badLines.push_back(line);
        } else if (n % 53 == 11) {
            text += "Pole" + std::to_string(n) + ",05 Dec 1950,7.45,P,5,074.00,70.00\r\n";
            badLines.push_back(line);
        } else {
            text += "Person " + std::to_string(n) + ',' + std::to_string(1 + n % 28) + ' ' +
                    months[n % 12] + ' ' + std::to_string(1850 + n % 200) + ',' +
                    std::to_string(1 + n % 12) + '.' + std::to_string(10 + n % 50) + ',' +
                    (n % 2 ? 'A' : 'P') + ',' + std::to_string(n % 13 - 6) + ",0" +
                    std::to_string(10 + n % 80) + ".30," + std::to_string(n % 120 - 60) + ".15\r\n";
        }
        for (int blank = 1; blank < kLinesPerPerson; ++blank, ++line) {
            text += blank % 2 ? "\r\n" : "   \r\n";
        }
    }
    return text;
}

// Any number of jobs writes what one job writes, byte for byte, across the
// seam of two blocks of persons or instants (the printed digits themselves
// are byte_identity.sh's).
TEST(BatchJobs, EveryJobCountWritesWhatOneJobWrites) {
    TempFolder folder;
    std::vector<int> badLines;
    const std::string names = folder.Write("MANY.FIL", NamesFile(badLines)).string();
    const std::size_t charts = kPersons - badLines.size();
    std::string skipped;  // every faulty record named in the order of the file
    for (const int line : badLines) {
        skipped += names + ':' + std::to_string(line) + '\n';
    }
    using Case = std::tuple<std::vector<std::string>, int, char, std::size_t>;  // rows and ends
    const Case cases[] = {
        {{"batch", "--names", names, "--format", "csv"}, 1, '\n', charts + 1},
        {{"batch", "--names", names, "--format", "json", "--house", "EA"}, 1, '}', charts},
        {{"positions", "--from", "1990-01-01", "--days", "4200"}, 0, '\n', 1 + 4200 * 11},
    };
    for (const auto& [args, status, rowEnd, rows] : cases) {
        SCOPED_TRACE(args[0] + " " + args.back());
        std::vector<std::string> oneJob = args;
        oneJob.insert(oneJob.end(), {"--jobs", "1"});
        const Outcome reference = RunArgs(oneJob);
        EXPECT_EQ(reference.status, status);
        EXPECT_EQ(static_cast<std::size_t>(
                      std::count(reference.out.begin(), reference.out.end(), rowEnd)),
                  rows);
        EXPECT_EQ(std::regex_replace(reference.err, std::regex(": [^\n]*"), ""),
                  status == 0 ? "" : skipped);
        for (const char* jobs : {"2", "3", "7", "99999999999", ""}) {
            std::vector<std::string> spread = args;
            if (*jobs != '\0') {  // without --jobs: all cores
                spread.insert(spread.end(), {"--jobs", jobs});
            }
            const Outcome outcome = RunArgs(spread);
            SCOPED_TRACE(jobs);
            EXPECT_EQ(outcome.status, reference.status);
            EXPECT_TRUE(outcome.out == reference.out);
            EXPECT_EQ(outcome.err, reference.err);
        }
    }
}

}  // namespace
}  // namespace solvaris
