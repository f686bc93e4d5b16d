// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/parallel_pass.h"

#include <QThread>

#include <algorithm>

namespace Functions {

namespace {
constexpr int ReadsPerCore = 8;
// Indices a worker takes at a time: few enough to share the work out evenly, enough
// that taking them costs nothing beside the work.
constexpr int ChunkSize = 64;
} // namespace

int PassThreads() { return std::max(1, QThread::idealThreadCount()) * ReadsPerCore; }

ParallelPass::ParallelPass(int last, std::function<void(int)> work)
    : last_(last), chunks_(last < 0 ? 0 : last / ChunkSize + 1), work_(std::move(work)),
      done_(std::make_unique<std::atomic<bool>[]>(static_cast<std::size_t>(chunks_)))
{
    const int threads = std::min(PassThreads(), chunks_);
    workers_.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t)
        workers_.emplace_back([this] { Work(); });
}

ParallelPass::~ParallelPass() = default;

void ParallelPass::Work()
{
    for (int chunk; (chunk = next_.fetch_add(1)) < chunks_;) {
        const int end = std::min(last_, (chunk + 1) * ChunkSize - 1);
        for (int i = chunk * ChunkSize; i <= end; ++i)
            work_(i);
        done_[static_cast<std::size_t>(chunk)].store(true, std::memory_order_release);
        finished_.fetch_add(1, std::memory_order_release);
        finished_.notify_one();
    }
}

void ParallelPass::Follow(const std::function<void(int)> &reached)
{
    // Chunks finish out of order: what is reported is the run of finished ones from
    // the start.
    int reachedChunks = 0;
    for (int seen = 0; reachedChunks < chunks_;) {
        finished_.wait(seen, std::memory_order_acquire);
        seen = finished_.load(std::memory_order_acquire);
        const int before = reachedChunks;
        while (reachedChunks < chunks_ && done_[static_cast<std::size_t>(reachedChunks)].load(std::memory_order_acquire))
            ++reachedChunks;
        if (reachedChunks > before)
            reached(std::min(last_, reachedChunks * ChunkSize - 1));
    }
}

} // namespace Functions
