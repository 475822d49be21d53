// The --jobs option of the commands that spread their work over the cores.
#pragma once

#include <optional>
#include <string>

namespace solvaris {

// More threads than this gain nothing on any machine the program runs on.
inline constexpr int kMostWorkerThreads = 256;

// The value of --jobs: a positive whole number; one too large for an int
// stands for as many as can be had.
std::optional<int> PositiveWholeNumber(const std::string& text);

// Empty when `text` is such a number, else why not.
std::string JobsProblem(const std::string& text);

// Every core of the machine, at least one.
int DefaultJobs();

// The threads to work on for --jobs as typed and checked: every core when
// empty, at most kMostWorkerThreads.
int WorkerThreads(const std::string& jobs);

}  // namespace solvaris
