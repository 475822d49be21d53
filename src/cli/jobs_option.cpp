#include "cli/jobs_option.hpp"

#include <algorithm>
#include <charconv>
#include <limits>
#include <thread>

namespace solvaris {

std::optional<int> PositiveWholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    if (fault == std::errc::result_out_of_range && text.front() != '-') {
        return std::numeric_limits<int>::max();
    }
    if (fault != std::errc() || value < 1) {
        return std::nullopt;
    }
    return value;
}

std::string JobsProblem(const std::string& text) {
    return PositiveWholeNumber(text) ? std::string()
                                     : "a positive whole number, not '" + text + "'";
}

int DefaultJobs() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

int WorkerThreads(const std::string& jobs) {
    return std::min(jobs.empty() ? DefaultJobs() : *PositiveWholeNumber(jobs), kMostWorkerThreads);
}

}  // namespace solvaris
