// The world atlas: reading it when first needed, whole (the cities window)
// or for one query (solvaris places); one keystroke's search over all of it
// as the cities window lists it (200 rows), for queries that stop early
// (many matches) and that walk every place (few or none); and the whole
// `solvaris places NAME` process beside `solvaris --version`, the floor of
// any call.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <stdexcept>

#include "people/atlas_search.hpp"

extern char** environ;

namespace solvaris {
namespace {

const Atlas& LoadedAtlas() {
    static const Atlas* atlas = [] {
        auto* loaded = new Atlas;
        if (!LoadAtlas(AtlasFile(SOLVARIS_SHIPPED_DATA_DIR), *loaded).empty()) {
            std::abort();
        }
        return loaded;
    }();
    return *atlas;
}

void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        Atlas atlas;
        benchmark::DoNotOptimize(LoadAtlas(AtlasFile(SOLVARIS_SHIPPED_DATA_DIR), atlas));
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

void BM_AtlasLoadForQuery(benchmark::State& state) {
    for (auto _ : state) {
        Atlas atlas;
        benchmark::DoNotOptimize(
            LoadAtlasForQuery(AtlasFile(SOLVARIS_SHIPPED_DATA_DIR), "buffalo", atlas));
    }
}
BENCHMARK(BM_AtlasLoadForQuery)->Unit(benchmark::kMillisecond);

void BM_AtlasKeystroke(benchmark::State& state, const char* query) {
    const Atlas& atlas = LoadedAtlas();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindAtlasPlaces(atlas, query, 200));
    }
}
BENCHMARK_CAPTURE(BM_AtlasKeystroke, one_letter, "b")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasKeystroke, name, "buffalo")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasKeystroke, accents, "Zürich")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasKeystroke, with_region, "springfield, illinois")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasKeystroke, nothing_found, "xyzzyq")->Unit(benchmark::kMillisecond);

// The program started with `words`, its output to /dev/null, waited for.
void CallSolvaris(std::array<const char*, 3> words) {
    std::array<char*, 5> argv = {const_cast<char*>(SOLVARIS_BINARY), const_cast<char*>(words[0]),
                                 const_cast<char*>(words[1]), const_cast<char*>(words[2]), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const bool started = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (!started || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(std::string("solvaris ") + words[0] + " did not answer");
    }
}

// Wall time, what a script waits for.
void BM_PlacesCall(benchmark::State& state) {
    for (auto _ : state) {
        CallSolvaris({"places", "buffalo", nullptr});
    }
}
BENCHMARK(BM_PlacesCall)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_VersionCallBesidePlaces(benchmark::State& state) {
    for (auto _ : state) {
        CallSolvaris({"--version", nullptr, nullptr});
    }
}
BENCHMARK(BM_VersionCallBesidePlaces)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvaris
