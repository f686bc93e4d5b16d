// Play, pause, stop and next, and the end of a song.
#include "app/main_window.h"

#include "app/windows.h"
#include "platform/media_player.h"
#include "playback/queue_window.h"
#include "playback/song_access.h"
#include "state/globals.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <exception>
#include <utility>

using Playback::SongAt;

namespace {
// The transport's failure rule: a step that fails is abandoned, together with the rest
// of whatever it called, and the command carries on with its next step.
template <class F>
void step(F &&action)
{
    try {
        action();
    } catch (const std::exception &) {
    }
}

// Lets the event loop run while the player loads, in rounds of 100 ms, for about four
// seconds at most. The loop really runs for each round: single passes over pending
// events between sleeps never see the player's own notifications arrive.
void waitUntilLoaded(const MediaPlayer &player)
{
    int16_t waited = 0;
    while (!(player.ReadyState() == 4 || waited == 4000)) {
        QEventLoop round;
        QTimer::singleShot(100, &round, &QEventLoop::quit);
        round.exec();
        waited = static_cast<int16_t>(waited + 100);
    }
}
} // namespace

void Main::cmd_play_Click()
{
    step([this] {
        if (Window<frm_Q>().chk_songque->isChecked() || SelectedSong.Index == -1)
            NextSong();
    });
    if (SelectedSong.LongName != CurrentSong.LongName) {
        step([this] { MediaPlayer1->Open(SongAt(SelectedSong.Index).LongName); });
        ++LoadWaits;
        waitUntilLoaded(*MediaPlayer1);
        --LoadWaits;
        step([this] { ApplyVolume(); });
        step([] { CurrentSong.Index = SelectedSong.Index; });
        step([] { CurrentSong.LongName = SongAt(SelectedSong.Index).LongName; });
        step([this] {
            const Song &song = SongAt(SelectedSong.Index);
            text_CurrentSong->setText(song.Artist + QStringLiteral(" - ") + song.SongName);
        });
    } else {
        step([this] { MediaPlayer1->Play(); });
    }
    step([this] { MarkCurrentSong(); });
    if (LoadWaits == 0 && !EndedWhileLoading.isEmpty()) {
        QTimer::singleShot(0, this, [this, ended = std::exchange(EndedWhileLoading, QString())] {
            // Unless another song has been opened since.
            if (MediaPlayer1->FileName() == ended)
                MediaPlayer1_EndOfStream(0);
        });
    }
}

void Main::cmd_next_Click()
{
    step([this] { NextSong(); });
    cmd_play_Click();
}

void Main::cmd_pause_Click()
{
    if (MediaPlayer1->PlayState() == 2)
        MediaPlayer1->Pause();
}

void Main::cmd_stop_Click()
{
    const int32_t state = MediaPlayer1->PlayState();
    if (state == 1 || state == 2) {
        MediaPlayer1->Stop();
        MediaPlayer1->SetCurrentPosition(0);
    }
}

void Main::MediaPlayer1_EndOfStream(int)
{
    // A song that ends before the play command waiting for it has made it the current
    // song would have the next one chosen from the song before it, which opens the same
    // song again: the end takes effect once no play command waits any more.
    if (LoadWaits > 0) {
        EndedWhileLoading = MediaPlayer1->FileName();
        return;
    }
    cmd_next_Click();
}
