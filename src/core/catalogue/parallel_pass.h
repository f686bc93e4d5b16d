// SPDX-License-Identifier: GPL-3.0-or-later
// A pass over a range of indices shared out to the threads of one pool, while the
// thread that started it follows how far it has come in index order.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace Functions {

// The threads a pass uses: several for each processor core, since each spends most
// of its time waiting for the disk, which answers several reads at once.
int PassThreads();

// Indices a thread takes at a time: few enough to share the work out evenly, enough
// that taking them costs nothing beside the work.
constexpr int SongChunk = 64;

class ParallelPass {
public:
    // Starts work(i) for every i from 0 to `last` (none when `last` is negative) on
    // PassThreads() threads of the pass pool, `chunk` indices at a time; `work` must be
    // safe to run for different indices at once.
    ParallelPass(int last, std::function<void(int)> work, int chunk = SongChunk);
    // Hands out no more work and waits for the work under way.
    ~ParallelPass();
    ParallelPass(const ParallelPass &) = delete;
    ParallelPass &operator=(const ParallelPass &) = delete;

    // Waits for the work, calling reached(i) on this thread whenever every index up
    // to i is done, in increasing order and ending with reached(last), unless reached
    // returns false first.
    void Follow(const std::function<bool(int)> &reached);

private:
    void Work();

    const int last_;
    const int chunk_;
    const int chunks_;
    const std::function<void(int)> work_;
    std::unique_ptr<std::atomic<bool>[]> done_;
    std::atomic<int> next_ = 0;
    std::atomic<int> finished_ = 0;
    // The pool's threads still working for this pass.
    std::mutex mutex_;
    std::condition_variable workersLeft_;
    int workers_ = 0;
};

} // namespace Functions
