#include "core/catalogue/parallel_pass.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace Functions {

namespace {
constexpr int ReadsPerCore = 8;
// Indices a worker takes at a time: few enough to share the work out evenly, enough
// that taking them costs nothing beside the work.
constexpr int ChunkSize = 64;
} // namespace

int PassThreads() { return std::max(1, QThread::idealThreadCount()) * ReadsPerCore; }

void ParallelPass(int last, const std::function<void(int)> &work, const std::function<void(int)> &reached)
{
    if (last < 0)
        return;
    const int chunks = last / ChunkSize + 1;
    std::vector<std::atomic<bool>> done(static_cast<std::size_t>(chunks));
    std::atomic<int> next = 0;
    std::atomic<int> finished = 0;
    const auto worker = [&] {
        for (int chunk; (chunk = next.fetch_add(1)) < chunks;) {
            const int end = std::min(last, (chunk + 1) * ChunkSize - 1);
            for (int i = chunk * ChunkSize; i <= end; ++i)
                work(i);
            done[static_cast<std::size_t>(chunk)].store(true, std::memory_order_release);
            finished.fetch_add(1, std::memory_order_release);
            finished.notify_one();
        }
    };

    std::vector<std::jthread> workers;
    const int threads = std::min(PassThreads(), chunks);
    workers.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(worker);
    // Chunks finish out of order: the calling thread reports the run of finished ones
    // from the start.
    int reachedChunks = 0;
    for (int seen = 0; reachedChunks < chunks;) {
        finished.wait(seen, std::memory_order_acquire);
        seen = finished.load(std::memory_order_acquire);
        const int before = reachedChunks;
        while (reachedChunks < chunks && done[static_cast<std::size_t>(reachedChunks)].load(std::memory_order_acquire))
            ++reachedChunks;
        if (reachedChunks > before)
            reached(std::min(last, reachedChunks * ChunkSize - 1));
    }
}

} // namespace Functions
