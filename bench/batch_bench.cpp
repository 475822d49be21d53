// `solvaris batch` over a names file of 10,000 persons: reading the file,
// filling the entry fields, the checks and the natal chart of each
// person, and the CSV rows; on one worker thread and on two. Then 100,000
// persons on two workers with each engine (Swiss Ephemeris in its
// analytical mode).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/session.hpp"
#include "base/option_numbers.hpp"
#include "cli/names_command.hpp"

namespace {

using namespace solvaris;

std::filesystem::path PersonsFile(int count) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("solvaris_bench_" + std::to_string(count) + ".FIL");
    std::ofstream out(path, std::ios::binary);
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int n = 0; n < count; ++n) {
        out << "Person " << n << ',' << (1 + n % 28) << ' ' << months[n % 12] << ' '
            << (1900 + n % 150) << ',' << (1 + n % 12) << '.' << (10 + n % 50) << ','
            << (n % 2 ? 'A' : 'P') << ",5,0" << (70 + n % 20) << ".30," << (30 + n % 30)
            << ".15\r\n";
    }
    return path;
}

void RunBatch(benchmark::State& state, const std::string& file, int jobCount, float engine) {
    const std::string jobs = std::to_string(jobCount);
    for (auto _ : state) {
        CLI::App app;
        PrepareParser(app);
        const CommandRun batch = DeclareBatchCommand(app);
        Session session;
        session.options.Set(opt::PositionsEngine, engine);
        HeadlessPlatform platform;
        std::ostringstream out, err;
        const int status = ParseArguments(app, {"--names", file, "--jobs", jobs}, "batch", err) != 0
                               ? 2
                               : batch(session, platform, out, err);
        if (status != 0) {
            state.SkipWithError(err.str().c_str());
        }
        benchmark::DoNotOptimize(out);
    }
}

// The argument is the number of jobs; without --jobs the batch takes every core.
void BM_BatchTenThousand(benchmark::State& state) {
    RunBatch(state, PersonsFile(10000).string(), static_cast<int>(state.range(0)), 0);
}
BENCHMARK(BM_BatchTenThousand)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The argument chooses the engine: 0 the built-in theories, 1 Swiss Ephemeris.
void BM_BatchHundredThousand(benchmark::State& state) {
    RunBatch(state, PersonsFile(100000).string(), 2, static_cast<float>(state.range(0)));
}
BENCHMARK(BM_BatchHundredThousand)
    ->ArgName("swiss")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
