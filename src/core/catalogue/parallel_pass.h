// A pass over a range of indices shared out to worker threads, while the calling
// thread follows how far it has come in index order.
#pragma once

#include <functional>

namespace Functions {

// The workers a pass uses: several for each processor core, since each spends most
// of its time waiting for the disk, which answers several reads at once.
int PassThreads();

// Runs `work(i)` for every i from 0 to `last` on PassThreads() threads; `work` must
// be safe to run for different indices at once. Meanwhile the calling thread, and
// it alone, calls `reached(i)` whenever every index up to i is done, in increasing
// order and ending with `reached(last)`. Returns once all the work is done.
void ParallelPass(int last, const std::function<void(int)> &work, const std::function<void(int)> &reached);

} // namespace Functions
