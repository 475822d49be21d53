// Work cut into chunks that worker threads compute while the calling
// thread writes the finished ones in order: no worker waits for the others
// at a block's end, and at most a bounded number of chunks wait unwritten.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace solvaris {

// Chunks waiting to be written, at most, per worker.
inline constexpr std::size_t kChunksAheadPerWorker = 8;

// `compute(chunk, text)` fills the chunk's text and returns false where it
// had to stop early (the text then holds what came before the stop);
// `write(chunk, text, complete)` is called for chunk 0, 1, ... on the
// calling thread and returns false to end the run (no chunk after it is
// written). With one worker the chunks are computed on the calling thread.
void ComputeChunksInOrder(
    std::size_t chunkCount, int workers,
    const std::function<bool(std::size_t chunk, std::string& text)>& compute,
    const std::function<bool(std::size_t chunk, const std::string& text, bool complete)>& write);

}  // namespace solvaris
