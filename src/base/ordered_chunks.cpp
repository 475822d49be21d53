#include "base/ordered_chunks.hpp"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace solvaris {

namespace {

struct Slot {
    std::string text;
    bool complete = false;
    bool ready = false;
};

// What the workers and the writer share, under one lock: the next chunk to
// claim, the next to write, and a ring of slots for the chunks in between.
class ChunkRing {
public:
    ChunkRing(std::size_t chunkCount, std::size_t slotCount)
        : chunkCount_(chunkCount), slots_(slotCount) {}

    // The next chunk to compute, once a slot is free for it; nothing when
    // every chunk is claimed or the run ended.
    bool Claim(std::size_t& chunk) {
        std::unique_lock lock(mutex_);
        slotFreed_.wait(lock, [&] {
            return stopped_ || claimed_ >= chunkCount_ || claimed_ < written_ + slots_.size();
        });
        if (stopped_ || claimed_ >= chunkCount_) {
            return false;
        }
        chunk = claimed_++;
        return true;
    }

    void Finish(std::size_t chunk, std::string text, bool complete) {
        {
            const std::scoped_lock lock(mutex_);
            Slot& slot = slots_[chunk % slots_.size()];
            slot.text = std::move(text);
            slot.complete = complete;
            slot.ready = true;
        }
        chunkReady_.notify_all();
    }

    // Waits for the chunk next in order; false once the run was stopped.
    bool Next(Slot& taken) {
        std::unique_lock lock(mutex_);
        Slot& slot = slots_[written_ % slots_.size()];
        chunkReady_.wait(lock, [&] { return stopped_ || slot.ready; });
        if (!slot.ready) {
            return false;
        }
        taken = std::move(slot);
        slot = Slot{};
        ++written_;
        lock.unlock();
        slotFreed_.notify_all();
        return true;
    }

    void Stop(std::exception_ptr fault = nullptr) {
        {
            const std::scoped_lock lock(mutex_);
            stopped_ = true;
            if (fault && !fault_) {
                fault_ = fault;
            }
        }
        slotFreed_.notify_all();
        chunkReady_.notify_all();
    }

    std::exception_ptr Fault() {
        const std::scoped_lock lock(mutex_);
        return fault_;
    }

private:
    std::mutex mutex_;
    std::condition_variable slotFreed_, chunkReady_;
    std::size_t chunkCount_;
    std::size_t claimed_ = 0, written_ = 0;
    bool stopped_ = false;
    std::exception_ptr fault_;
    std::vector<Slot> slots_;
};

}  // namespace

void ComputeChunksInOrder(
    std::size_t chunkCount, int workers,
    const std::function<bool(std::size_t chunk, std::string& text)>& compute,
    const std::function<bool(std::size_t chunk, const std::string& text, bool complete)>& write) {
    if (workers <= 1 || chunkCount <= 1) {
        for (std::size_t chunk = 0; chunk < chunkCount; ++chunk) {
            std::string text;
            const bool complete = compute(chunk, text);
            if (!write(chunk, text, complete)) {
                return;
            }
        }
        return;
    }
    const auto workerCount = static_cast<std::size_t>(workers);
    ChunkRing ring(chunkCount, kChunksAheadPerWorker * workerCount);
    const auto runWorker = [&] {
        try {
            for (std::size_t chunk = 0; ring.Claim(chunk);) {
                std::string text;
                const bool complete = compute(chunk, text);
                ring.Finish(chunk, std::move(text), complete);
            }
        } catch (...) {
            ring.Stop(std::current_exception());
        }
    };
    std::vector<std::jthread> threads;
    for (std::size_t worker = 0; worker < std::min(workerCount, chunkCount); ++worker) {
        try {
            threads.emplace_back(runWorker);
        } catch (const std::system_error&) {
            break;  // the system has no more threads to give; the ones started do the work
        }
    }
    if (threads.empty()) {
        ComputeChunksInOrder(chunkCount, 1, compute, write);
        return;
    }
    try {
        for (std::size_t chunk = 0; chunk < chunkCount; ++chunk) {
            Slot slot;
            if (!ring.Next(slot) || !write(chunk, slot.text, slot.complete)) {
                break;
            }
        }
    } catch (...) {
        ring.Stop();
        throw;  // the threads join on the way out
    }
    ring.Stop();
    threads.clear();  // joins
    if (const std::exception_ptr fault = ring.Fault()) {
        std::rethrow_exception(fault);
    }
}

}  // namespace solvaris
