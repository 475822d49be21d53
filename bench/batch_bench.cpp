// `solvaris batch` over a names file of 10,000 persons: reading the file,
// filling the entry fields, the checks and the natal chart of each
// person, and the CSV rows; on one worker thread and on two.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/session.hpp"
#include "cli/names_command.hpp"

namespace {

using namespace solvaris;

std::filesystem::path TenThousandPersons() {
    const auto path = std::filesystem::temp_directory_path() / "solvaris_bench_10000.FIL";
    std::ofstream out(path, std::ios::binary);
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int n = 0; n < 10000; ++n) {
        out << "Person " << n << ',' << (1 + n % 28) << ' ' << months[n % 12] << ' '
            << (1900 + n % 150) << ',' << (1 + n % 12) << '.' << (10 + n % 50) << ','
            << (n % 2 ? 'A' : 'P') << ",5,0" << (70 + n % 20) << ".30," << (30 + n % 30)
            << ".15\r\n";
    }
    return path;
}

// The argument is the number of jobs; without --jobs the batch takes every core.
void BM_BatchTenThousand(benchmark::State& state) {
    const std::string file = TenThousandPersons().string();
    const std::string jobs = std::to_string(state.range(0));
    for (auto _ : state) {
        CLI::App app;
        PrepareParser(app);
        const CommandRun batch = DeclareBatchCommand(app);
        Session session;
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
BENCHMARK(BM_BatchTenThousand)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
