// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/parallel_pass.h"

#include "platform/background_thread.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace Functions {

namespace {
constexpr int ReadsPerCore = 8;

// One pool for every pass, so that the walk's levels and the tags start no threads
// of their own; threads left idle for a while end.
QThreadPool &PassPool()
{
    struct Pool : QThreadPool {
        Pool() { setMaxThreadCount(PassThreads()); }
    };
    static Pool pool;
    return pool;
}

// Held while a pass hands its work to the pool, and taken by the work before it
// starts. The pool hands work over under a lock of its own, which a race checker
// cannot see: this one shows it that the pass was whole before its work began.
std::mutex HandOver;
} // namespace

int PassThreads() { return std::max(1, QThread::idealThreadCount()) * ReadsPerCore; }

ParallelPass::ParallelPass(int last, std::function<void(int)> work, int chunk)
    : last_(last), chunk_(chunk), chunks_(last < 0 ? 0 : last / chunk + 1), work_(std::move(work)),
      done_(std::make_unique<std::atomic<bool>[]>(static_cast<std::size_t>(chunks_)))
{
    const int threads = std::min(PassThreads(), chunks_);
    workers_ = threads;
    const std::lock_guard handing(HandOver);
    for (int t = 0; t < threads; ++t)
        PassPool().start([this] {
            HandOver.lock();
            HandOver.unlock();
            // With the files in memory, sixteen readers would otherwise keep both
            // cores from the window's thread and from the display server it waits on.
            Platform::RunInBackground();
            Work();
            const std::lock_guard lock(mutex_);
            // Told under the lock, so that the pass cannot go before the telling ends.
            if (--workers_ == 0)
                workersLeft_.notify_all();
        });
}

ParallelPass::~ParallelPass()
{
    next_.store(chunks_);
    std::unique_lock lock(mutex_);
    workersLeft_.wait(lock, [this] { return workers_ == 0; });
}

void ParallelPass::Work()
{
    for (int chunk; (chunk = next_.fetch_add(1)) < chunks_;) {
        const int end = std::min(last_, (chunk + 1) * chunk_ - 1);
        for (int i = chunk * chunk_; i <= end; ++i)
            work_(i);
        done_[static_cast<std::size_t>(chunk)].store(true, std::memory_order_release);
        finished_.fetch_add(1, std::memory_order_release);
        finished_.notify_one();
    }
}

void ParallelPass::Follow(const std::function<bool(int)> &reached)
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
        if (reachedChunks > before && !reached(std::min(last_, reachedChunks * chunk_ - 1)))
            return;
    }
}

} // namespace Functions
