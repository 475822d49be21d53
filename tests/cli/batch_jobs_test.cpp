#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.hpp"
#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

using testing::Outcome;
using testing::RunArgs;

constexpr int kPersons = 300;
// Blank lines between the persons carry the file past the first block of
// persons the batch casts before writing, so that rows on both sides of
// the seam are checked.
constexpr int kLinesPerPerson = 16;

// Persons with varied birth data and, among them, a record that is no
// record, a date that does not exist and a latitude the houses refuse; the
// lines of the faulty ones are listed in `badLines`.
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
    struct Case {
        std::vector<std::string> args;
        int status;
        char rowEnd;
        std::size_t rows;
    };
    const Case cases[] = {
        {{"batch", "--names", names, "--format", "csv"}, 1, '\n', charts + 1},
        {{"batch", "--names", names, "--format", "json", "--house", "EA"}, 1, '}', charts},
        {{"positions", "--from", "1990-01-01", "--days", "4200"}, 0, '\n', 1 + 4200 * 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        std::vector<std::string> oneJob = c.args;
        oneJob.insert(oneJob.end(), {"--jobs", "1"});
        const Outcome reference = RunArgs(oneJob);
        EXPECT_EQ(reference.status, c.status);
        EXPECT_EQ(static_cast<std::size_t>(
                      std::count(reference.out.begin(), reference.out.end(), c.rowEnd)),
                  c.rows);
        if (c.status != 0) {  // every faulty record named in the order of the file
            std::istringstream skips(reference.err);
            std::string skip;
            for (const int line : badLines) {
                ASSERT_TRUE(std::getline(skips, skip));
                EXPECT_EQ(skip.rfind(names + ':' + std::to_string(line) + ": ", 0), 0u) << skip;
            }
            EXPECT_FALSE(std::getline(skips, skip));
        }
        for (const char* jobs : {"2", "3", "7", "99999999999", ""}) {
            std::vector<std::string> spread = c.args;
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
