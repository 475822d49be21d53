// A single headless call as a script makes it, the whole process from
// spawn to exit: `solvaris positions --jd` beside a small C program asking
// Swiss Ephemeris for the same instant; and a long positions run on one
// job beside the same run on more. (Peak memory is not reported here: a
// spawned child counts this process's pages until it execs.)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program to its end with its output thrown away.
void RunToEnd(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + command[0]);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(command[0] + " failed");
    }
}

void RunWholeProcess(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        RunToEnd(command);
    }
}

void BM_SolvarisPositionsCall(benchmark::State& state) {
    RunWholeProcess(state, {SOLVARIS_BINARY, "positions", "--jd", "2451545"});
}

void BM_SwissPeerCall(benchmark::State& state) {
    RunWholeProcess(state, {SWE_PEER_BINARY, "2451545"});
}

void BM_SolvarisVersionCall(benchmark::State& state) {
    RunWholeProcess(state, {SOLVARIS_BINARY, "--version"});
}

// 10,000 days of positions on N jobs: more jobs may not be slower than one,
// whatever else the machine is doing.
void BM_PositionsDaysOnJobs(benchmark::State& state) {
    RunWholeProcess(state, {SOLVARIS_BINARY, "positions", "--from", "2000-01-01", "--days", "10000",
                            "--jobs", std::to_string(state.range(0))});
}

// Wall time is what a script waits for; the CPU time of this process is
// only the spawn.
BENCHMARK(BM_SolvarisPositionsCall)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwissPeerCall)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolvarisVersionCall)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PositionsDaysOnJobs)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
