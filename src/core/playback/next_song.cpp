// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the next song: the head of the queue, a random song, or the next in order.
#include "core/playback/play_control.h"

#include "core/catalogue/selection.h"

#include <random>

namespace {
// Seeded once per run: seeds taken from the clock repeat on quick presses.
std::mt19937 &ShuffleGenerator()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}
} // namespace

void PlayControl::NextSong()
{
    SongPointers &pointers = model_.pointers;
    const SongQueue &queue = model_.queue;
    const Catalogue &catalogue = model_.catalogue;
    if (pointers.CurrentSong().Index > -1)
        pointers.SetPreviousSong(pointers.CurrentSong());

    // The head of the queue leaves it once the song after it is chosen.
    if (queue.Qlist().at(0).LongName == pointers.CurrentSong().LongName)
        model_.queue.Remove(0);

    // The head names its song by path, which a re-sort may have moved to another index;
    // an entry whose song has left the catalogue is passed over.
    int head = -1;
    while (model_.options.SongQueueActive() && queue.QCount() >= 1 && (head = catalogue.FindSong(queue.Qlist().at(0))) < 0)
        model_.queue.Remove(0);

    if (head >= 0) {
        SelectSong(model_, head);
    } else if (model_.options.Shuffle()) {
        if (catalogue.SongCount() != 0)
            SelectSong(model_, std::uniform_int_distribution<int>(0, catalogue.LastSongIndex())(ShuffleGenerator()));
    } else if (catalogue.SongCount() != 0) {
        const bool fromStart = pointers.SelectedSong().Index < 0 || pointers.CurrentSong().Index >= catalogue.LastSongIndex();
        SelectSong(model_, fromStart ? 0 : pointers.CurrentSong().Index + 1);
    }
}
