// The song queue's operations. Qlist and QCount are the queue; the queue window's
// rows follow every change through QueueRows.
#pragma once

#include "core/state/song.h"

#include <QString>
#include <cstdint>

// Element 0 of Qlist while the queue is empty; no song's path is this text.
inline const QString QueueSentinel = QStringLiteral("NULLLongNameQlist");
// The sentinel's index as start-up leaves it; emptying the queue later leaves 0.
constexpr int16_t StartSentinelIndex = -1;
constexpr int16_t EmptiedSentinelIndex = 0;

// The rows that show the queue, one per entry, changed in step with it.
class QueueRows {
public:
    virtual ~QueueRows() = default;
    virtual void Appended(const QString &text) = 0;
    virtual void Removed(int row) = 0;
    virtual void Swapped(int upper) = 0;
    virtual void Cleared() = 0;
};

// Returns the rows attached before.
QueueRows *AttachQueueRows(QueueRows *rows);

// The queue's row text of a song: trimmed artist, " - ", trimmed song name.
QString QueueRowText(const Song &song);

// Appends a copy of `song` (a song of the catalogue). A full queue (32,767 entries)
// refuses it with a message; returns whether it was queued.
bool Enqueue(const SongPointer &song);

// Removes entry `row`; later entries move up, the sentinel comes back after the last.
// A row outside the queue is ignored.
void RemoveFromQueue(int row);

// Exchanges entries `upper` and `upper` + 1.
void SwapQueueEntries(int upper);

// Empties the queue: no entries, no rows, the sentinel in element 0.
void EmptyQueue(int16_t sentinelIndex = EmptiedSentinelIndex);
