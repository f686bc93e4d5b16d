// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/song_queue.h"

#include "core/state/counter.h"

#include <stdexcept>
#include <utility>

SongQueue::SongQueue() : qlist_{SongPointer{QueueSentinel, StartSentinelIndex}} {}

bool SongQueue::Enqueue(const SongPointer &song, const QString &rowText)
{
    try {
        Increment(count_);
    } catch (const CounterOverflow &) {
        return false;
    }
    // While the queue was empty, element 0 held the sentinel: the first entry replaces it.
    qlist_.resize(static_cast<std::size_t>(count_));
    qlist_.back() = song;
    rows_.append(rowText);
    emit appended(rowText);
    return true;
}

void SongQueue::Remove(int row)
{
    if (row < 0 || row >= count_)
        return;
    if (count_ == 1) {
        Empty();
        return;
    }
    qlist_.erase(qlist_.begin() + row);
    rows_.removeAt(row);
    --count_;
    emit removed(row);
}

void SongQueue::Swap(int upper)
{
    if (upper < 0 || upper + 1 >= count_)
        throw std::out_of_range("queue entry outside the queue");
    std::swap(qlist_[static_cast<std::size_t>(upper)], qlist_[static_cast<std::size_t>(upper) + 1]);
    rows_.swapItemsAt(upper, upper + 1);
    emit swapped(upper);
}

void SongQueue::Empty(int16_t sentinelIndex)
{
    const SongPointer sentinel{QueueSentinel, sentinelIndex};
    if (count_ == 0 && qlist_.size() == 1 && qlist_.front().Index == sentinelIndex && qlist_.front().LongName == QueueSentinel)
        return;
    count_ = 0;
    qlist_.assign(1, sentinel);
    rows_.clear();
    emit cleared();
}
