// SPDX-License-Identifier: GPL-3.0-or-later
// The song queue: Qlist holds the queued songs in play order and QCount counts them.
// Element 0 holds a sentinel whenever the queue is empty.
#pragma once

#include "core/state/song.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Element 0 of Qlist while the queue is empty; no song's path is this text.
inline const QString QueueSentinel = QStringLiteral("NULLLongNameQlist");
// The sentinel's index as start-up leaves it; emptying the queue later leaves 0.
constexpr int16_t StartSentinelIndex = -1;
constexpr int16_t EmptiedSentinelIndex = 0;

class SongQueue : public QObject {
    Q_OBJECT
public:
    SongQueue();

    const std::vector<SongPointer> &Qlist() const { return qlist_; }
    int16_t QCount() const { return count_; }
    // The queue window's row of each entry, in the same order.
    const QStringList &Rows() const { return rows_; }

    // Appends a copy of `song`, shown as `rowText`; false, with nothing changed, when
    // the queue already holds 32,767 songs.
    bool Enqueue(const SongPointer &song, const QString &rowText);
    // Removes entry `row`; later entries move up, the sentinel comes back after the
    // last. A row outside the queue is ignored.
    void Remove(int row);
    // Exchanges entries `upper` and `upper` + 1; throws std::out_of_range outside the queue.
    void Swap(int upper);
    // No entries, the sentinel in element 0.
    void Empty(int16_t sentinelIndex = EmptiedSentinelIndex);

signals:
    void appended(const QString &rowText);
    void removed(int row);
    void swapped(int upper);
    void cleared();

private:
    std::vector<SongPointer> qlist_;
    QStringList rows_;
    int16_t count_ = 0;
};
