#include "base/parallel_indices.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace solvaris {
namespace {

TEST(ParallelIndices, EveryIndexOnceOnAWorkerOfItsOwn) {
    struct Case {
        std::size_t count;
        int workers;
    };
    const Case cases[] = {{0, 4}, {1, 1}, {1, 8}, {5, 0}, {5, -3}, {7, 3}, {1000, 2}, {1000, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " on " + std::to_string(c.workers));
        std::vector<std::atomic<int>> visits(c.count);
        std::vector<int> workerOf(c.count, -1);
        ForEachIndexInParallel(c.count, c.workers, [&](int worker, std::size_t i) {
            ++visits[i];
            workerOf[i] = worker;
        });
        const int mostWorkers = std::max(c.workers, 1);
        for (std::size_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(visits[i], 1) << i;
            EXPECT_GE(workerOf[i], 0) << i;
            EXPECT_LT(workerOf[i], mostWorkers) << i;
        }
    }
}

TEST(ParallelIndices, AFaultOnAnyWorkerReachesTheCaller) {
    for (const int workers : {1, 2, 5}) {
        std::atomic<int> done{0};
        EXPECT_THROW(ForEachIndexInParallel(500, workers,
                                            [&](int, std::size_t i) {
                                                if (i == 123) {
                                                    throw std::runtime_error("no memory");
                                                }
                                                ++done;
                                            }),
                     std::runtime_error)
            << workers;
        EXPECT_LT(done, 500);
    }
}

}  // namespace
}  // namespace solvaris
