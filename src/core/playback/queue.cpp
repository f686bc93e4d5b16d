#include "core/playback/queue.h"

#include "core/catalogue/catalogue.h"
#include "core/state/globals.h"
#include "core/state/screen.h"
#include "core/state/trim_spaces.h"

#include <utility>

namespace {
QueueRows *attachedRows = nullptr;
} // namespace

QueueRows *AttachQueueRows(QueueRows *rows) { return std::exchange(attachedRows, rows); }

QString QueueRowText(const Song &song)
{
    return TrimSpaces(song.Artist) + QStringLiteral(" - ") + TrimSpaces(song.SongName);
}

bool Enqueue(const SongPointer &song)
{
    const QString text = QueueRowText(SongAt(song.Index));
    try {
        Increment(QCount);
    } catch (const CounterOverflow &) {
        ShowMessage(QStringLiteral("The Song Q is full: it holds at most 32,767 songs."));
        return false;
    }
    // While the queue was empty, element 0 held the sentinel: the first entry replaces it.
    Qlist.resize(static_cast<std::size_t>(QCount));
    Qlist.back() = song;
    if (attachedRows)
        attachedRows->Appended(text);
    return true;
}

void RemoveFromQueue(int row)
{
    if (row < 0 || row >= QCount)
        return;
    if (QCount == 1) {
        EmptyQueue();
        return;
    }
    Qlist.erase(Qlist.begin() + row);
    --QCount;
    if (attachedRows)
        attachedRows->Removed(row);
}

void SwapQueueEntries(int upper)
{
    std::swap(Qlist.at(static_cast<std::size_t>(upper)), Qlist.at(static_cast<std::size_t>(upper) + 1));
    if (attachedRows)
        attachedRows->Swapped(upper);
}

void EmptyQueue(int16_t sentinelIndex)
{
    QCount = 0;
    Qlist.assign(1, SongPointer{QueueSentinel, sentinelIndex});
    if (attachedRows)
        attachedRows->Cleared();
}
