// Work spread over threads: every index of a range handed to exactly one
// worker, the calling thread being one of them.
#pragma once

#include <cstddef>
#include <functional>

namespace solvaris {

// Calls work(worker, index) for every index below `count`, on at most
// `workers` threads numbered from 0 (each worker's state can be kept in a
// slot of its own). Returns when all are done; the first exception thrown
// by `work` is rethrown here, the remaining indices then left undone.
void ForEachIndexInParallel(std::size_t count, int workers,
                            const std::function<void(int worker, std::size_t index)>& work);

}  // namespace solvaris
