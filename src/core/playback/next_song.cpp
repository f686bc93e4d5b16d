// The choice of the next song: the head of the queue, a random song, or the next in order.
#include "core/playback/play_control.h"

#include "core/catalogue/catalogue.h"
#include "core/playback/queue.h"
#include "core/state/globals.h"

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
    if (CurrentSong.Index > -1)
        PreviousSong = CurrentSong;

    // The head of the queue leaves it once the song after it is chosen.
    if (Qlist.at(0).LongName == CurrentSong.LongName)
        RemoveFromQueue(0);

    if (QCount >= 1 && screen_.SongQueueActive()) {
        SelectedSong = Qlist.at(0);
    } else if (screen_.ShuffleOn()) {
        if (SongCount != 0)
            SelectSong(std::uniform_int_distribution<int>(0, LastSongIndex)(ShuffleGenerator()));
    } else if (SongCount != 0) {
        SelectSong(SelectedSong.Index < 0 || CurrentSong.Index >= LastSongIndex ? 0 : CurrentSong.Index + 1);
    }
}
