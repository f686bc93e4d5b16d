// The choice of the next song: the head of the queue, a random song, or the next in order.
#include "app/main_window.h"

#include "app/windows.h"
#include "playback/queue_window.h"
#include "playback/song_access.h"
#include "state/globals.h"

#include <QCheckBox>
#include <random>

using Playback::SongAt;

namespace {
// Seeded once per run: seeds taken from the clock repeat on quick presses.
std::mt19937 &shuffleGenerator()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

void selectSong(int16_t index)
{
    SelectedSong.Index = index;
    SelectedSong.LongName = SongAt(index).LongName.trimmed();
}
} // namespace

void Main::NextSong()
{
    if (CurrentSong.Index > -1)
        PreviousSong = CurrentSong;

    // The head of the queue leaves it once the song after it is chosen.
    if (Qlist.at(0).LongName == CurrentSong.LongName)
        Window<frm_Q>().RemoveEntry(0);

    if (QCount >= 1 && Window<frm_Q>().chk_songque->isChecked()) {
        SelectedSong = Qlist.at(0);
    } else if (chk_shuffle->isChecked()) {
        if (SongCount != 0)
            selectSong(static_cast<int16_t>(std::uniform_int_distribution<int>(0, LastSongIndex)(shuffleGenerator())));
    } else if (SongCount != 0) {
        if (SelectedSong.Index < 0 || CurrentSong.Index >= LastSongIndex)
            selectSong(0);
        else
            selectSong(static_cast<int16_t>(CurrentSong.Index + 1));
    }
}
