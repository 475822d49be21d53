// The world atlas: reading it when first needed, and one keystroke's search
// over all of it as the cities window lists it (200 rows), for queries that
// stop early (many matches) and that walk every place (few or none).
#include <benchmark/benchmark.h>

#include "people/atlas_search.hpp"

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

}  // namespace
}  // namespace solvaris
