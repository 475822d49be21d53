// Names loading a names file of 10,000 persons, offscreen: reading the file
// and filling the list. The goal is under 100 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "gui/common/workstation.hpp"
#include "gui/people/names_form.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

constexpr int kPersons = 10000;

std::filesystem::path WriteNamesFile() {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("solvaris_names_bench_" + std::to_string(::getpid()) + ".FIL");
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < kPersons; ++i) {
        out << "Person number " << i << ",05 Dec 1950,7.45,P,5,074.00,40.43\r\n";
    }
    return file;
}

void BM_NamesListOfTenThousand(benchmark::State& state) {
    const std::filesystem::path file = WriteNamesFile();
    Session session;
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    workstation.names.currentFile = file.string();
    NamesForm names(workstation);
    names.show();
    for (auto _ : state) {
        names.LoadList();
    }
    std::filesystem::remove(file);
    if (!platform.Messages().empty()) {
        state.SkipWithError("the names file was not read cleanly");
    }
}
BENCHMARK(BM_NamesListOfTenThousand)->Unit(benchmark::kMillisecond);

}  // namespace
