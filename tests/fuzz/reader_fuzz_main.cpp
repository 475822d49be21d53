// solvaris_fuzz [--inputs N] [--seed S]: N seeded random inputs (default one
// million) through every reader, with the time of the slowest input.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/reader_fuzz.hpp"

int main(int argc, char** argv) {
    long long inputs = 1000000;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--inputs") {
            inputs = std::atoll(argv[i + 1]);
        } else if (option == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        }
    }
    using namespace solvaris::fuzz;
    const auto seeds = SeedInputs(SOLVARIS_DATA_DIR);
    long long failures = 0;
    std::printf("%-14s %10s %9s %14s %9s\n", "reader", "inputs", "failures", "slowest (us)",
                "total (s)");
    for (int r = 0; r < kReaderCount; ++r) {
        const RunResult result = RunReader(static_cast<Reader>(r), seeds[r], inputs, seed + r);
        failures += result.failures;
        std::printf("%-14s %10lld %9lld %14.1f %9.1f\n", kReaderNames[r], result.inputs,
                    result.failures, result.slowestMicroseconds, result.totalSeconds);
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
