#include "base/parallel_indices.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace solvaris {

void ForEachIndexInParallel(std::size_t count, int workers,
                            const std::function<void(int worker, std::size_t index)>& work) {
    std::atomic<std::size_t> next{0};
    std::mutex faultMutex;
    std::exception_ptr fault;
    const auto runWorker = [&](int worker) {
        try {
            for (std::size_t i = next++; i < count; i = next++) {
                work(worker, i);
            }
        } catch (...) {
            const std::scoped_lock lock(faultMutex);
            if (!fault) {
                fault = std::current_exception();
            }
            next = count;
        }
    };
    const int threadCount = static_cast<int>(
        std::min<std::size_t>(count, static_cast<std::size_t>(std::max(workers, 1))));
    std::vector<std::jthread> helpers;
    for (int worker = 1; worker < threadCount; ++worker) {
        try {
            helpers.emplace_back(runWorker, worker);
        } catch (const std::system_error&) {
            break;  // the system has no more threads to give; the ones started do the work
        }
    }
    runWorker(0);
    helpers.clear();  // joins
    if (fault) {
        std::rethrow_exception(fault);
    }
}

}  // namespace solvaris
