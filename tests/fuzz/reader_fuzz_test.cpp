// A short run of the reader fuzzing in every test run (the sanitizer build
// included); solvaris_fuzz runs the long one.
#include "fuzz/reader_fuzz.hpp"

#include <gtest/gtest.h>

namespace solvaris::fuzz {
namespace {

TEST(ReaderFuzz, EveryReaderSurvivesMutatedFiles) {
    const auto seeds = SeedInputs(SOLVARIS_DATA_DIR);
    for (int r = 0; r < kReaderCount; ++r) {
        EXPECT_FALSE(seeds[r].empty()) << kReaderNames[r];
        const RunResult result = RunReader(static_cast<Reader>(r), seeds[r], 3000, 20261206 + r);
        EXPECT_EQ(result.failures, 0) << kReaderNames[r];
    }
}

}  // namespace
}  // namespace solvaris::fuzz
