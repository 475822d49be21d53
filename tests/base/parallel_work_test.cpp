#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ordered_chunks.hpp"
#include "base/parallel_indices.hpp"

namespace solvaris {
namespace {

// The chunks written in order, the run ending at the first chunk that
// stopped early or that the writer refused, on any number of workers. Many
// chunks against a small ring make the workers wait for free slots.
TEST(OrderedChunks, WrittenInOrderAndStoppedWhereAsked) {
    struct Case {
        std::size_t chunks;
        int workers;
        std::size_t stopsEarly;   // the chunk whose computation stops, or chunks
        std::size_t writerStops;  // the chunk the writer refuses to go past, or chunks
    };
    const Case cases[] = {{0, 3, 0, 0},       {1, 4, 1, 1},       {500, 1, 500, 500},
                          {500, 2, 500, 500}, {500, 7, 500, 500}, {500, 3, 137, 500},
                          {500, 2, 500, 42},  {3, 64, 3, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.chunks) + " chunks on " + std::to_string(c.workers));
        std::string written;
        std::size_t calls = 0;
        ComputeChunksInOrder(
            c.chunks, c.workers,
            [&](std::size_t chunk, std::string& text) {
                text = std::to_string(chunk) + (chunk == c.stopsEarly ? "!" : ",");
                return chunk != c.stopsEarly;
            },
            [&](std::size_t chunk, const std::string& text, bool complete) {
                EXPECT_EQ(chunk, calls++);
                EXPECT_EQ(complete, chunk != c.stopsEarly);
                written += text;
                return complete && chunk != c.writerStops;
            });
        std::string expected;
        for (std::size_t chunk = 0; chunk < c.chunks; ++chunk) {
            expected += std::to_string(chunk) + (chunk == c.stopsEarly ? "!" : ",");
            if (chunk == c.stopsEarly || chunk == c.writerStops) break;
        }
        EXPECT_EQ(written, expected);
    }
}

// Every index once is BatchJobs'; here no worker past the count asked for,
// and a fault on any worker reaching the caller.
TEST(ParallelWork, AFaultOnAnyWorkerReachesTheCaller) {
    const auto work = [](std::size_t i) {
        if (i == 123) throw std::runtime_error("no memory");
    };
    for (const int workers : {-3, 0, 1, 2, 5}) {
        std::atomic<int> done{0};
        EXPECT_THROW(ForEachIndexInParallel(500, workers,
                                            [&](int worker, std::size_t i) {
                                                EXPECT_LT(worker, std::max(workers, 1));
                                                work(i);
                                                ++done;
                                            }),
                     std::runtime_error)
            << workers;
        EXPECT_LT(done, 500);
        EXPECT_THROW(
            ComputeChunksInOrder(
                300, workers, [&](std::size_t chunk, std::string&) { return work(chunk), true; },
                [](std::size_t, const std::string&, bool) { return true; }),
            std::runtime_error)
            << workers;
    }
}

}  // namespace
}  // namespace solvaris
