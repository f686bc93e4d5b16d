// SPDX-License-Identifier: GPL-3.0-or-later
// A pass over a range of indices shared out to worker threads, while the thread
// that started it follows how far it has come in index order.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace Functions {

// The workers a pass uses: several for each processor core, since each spends most
// of its time waiting for the disk, which answers several reads at once.
int PassThreads();

class ParallelPass {
public:
    // Starts work(i) for every i from 0 to `last` (none when `last` is negative) on
    // PassThreads() threads; `work` must be safe to run for different indices at once.
    ParallelPass(int last, std::function<void(int)> work);
    // Waits for the work that is left.
    ~ParallelPass();
    ParallelPass(const ParallelPass &) = delete;
    ParallelPass &operator=(const ParallelPass &) = delete;

    // Waits for the work, calling reached(i) on this thread whenever every index up
    // to i is done, in increasing order and ending with reached(last).
    void Follow(const std::function<void(int)> &reached);

private:
    void Work();

    const int last_;
    const int chunks_;
    const std::function<void(int)> work_;
    std::unique_ptr<std::atomic<bool>[]> done_;
    std::atomic<int> next_ = 0;
    std::atomic<int> finished_ = 0;
    // Last, so that the workers are joined before anything they use goes.
    std::vector<std::jthread> workers_;
};

} // namespace Functions
