#include "core/playback/play_control.h"

#include "core/catalogue/catalogue.h"
#include "core/playback/volume.h"
#include "core/state/describe_failure.h"
#include "core/state/globals.h"
#include "core/state/screen.h"
#include "platform/media_player.h"

#include <QLoggingCategory>
#include <QTimer>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(transportLog, "korvel.transport")

} // namespace

PlayControl::PlayControl(MediaPlayer &player, TransportScreen &screen, LoadWait::Round round)
    : player_(player), screen_(screen), wait_(std::move(round))
{
}

template <class F>
void PlayControl::Step(const char *name, F &&action)
{
    try {
        action();
    } catch (const std::exception &error) {
        qCWarning(transportLog).noquote() << name << "skipped:" << FailureLine(error);
    }
}

void PlayControl::Play()
{
    Step("choosing a song", [this] {
        if (screen_.SongQueueActive() || SelectedSong.Index == -1)
            NextSong();
    });
    PlaySelected();
}

void PlayControl::PlaySelected()
{
    if (SelectedSong.LongName != CurrentSong.LongName) {
        Step("opening the song", [this] { player_.Open(SongAt(SelectedSong.Index).LongName); });
        wait_.Until(player_);
        Step("setting the volume", [this] { ApplyVolume(); });
        Step("making it the current song", [] {
            CurrentSong.Index = SelectedSong.Index;
            CurrentSong.LongName = SongAt(SelectedSong.Index).LongName;
        });
        Step("naming the current song", [this] {
            const Song &song = SongAt(SelectedSong.Index);
            screen_.ShowCurrentSong(song.Artist + QStringLiteral(" - ") + song.SongName);
        });
    } else {
        Step("resuming", [this] { player_.Play(); });
    }
    Step("marking the current song", [this] { screen_.MarkCurrentSong(); });

    // An end held back while the outermost wait ran takes effect now, unless another
    // file has been opened since.
    if (!wait_.Active() && !endedWhileLoading_.isEmpty()) {
        QTimer::singleShot(0, &player_, [this, ended = std::exchange(endedWhileLoading_, QString())] {
            if (player_.FileName() == ended)
                EndOfStream();
        });
    }
}

void PlayControl::Next()
{
    Step("choosing the next song", [this] { NextSong(); });
    Play();
}

void PlayControl::Pause()
{
    if (player_.PlayState() == MediaPlayer::Playing)
        player_.Pause();
}

void PlayControl::Stop()
{
    const int32_t state = player_.PlayState();
    if (state == MediaPlayer::Paused || state == MediaPlayer::Playing) {
        player_.Stop();
        player_.SetCurrentPosition(0);
    }
}

void PlayControl::EndOfStream()
{
    // A song that ends before the play command waiting for it has made it the current
    // song would have the next one chosen from the song before it, which opens the
    // same song again: the end waits until no play command waits any more.
    if (wait_.Active()) {
        endedWhileLoading_ = player_.FileName();
        return;
    }
    // While a long operation changes the catalogue the next song waits for it to end.
    if (ProgressReport::Running()) {
        QTimer::singleShot(LoadWait::RoundMs, &player_, [this, ended = player_.FileName()] {
            if (player_.FileName() == ended)
                EndOfStream();
        });
        return;
    }
    Next();
}

void PlayControl::ApplyVolume() { player_.SetVolume(OpenedFileVolume(screen_.VolumeSetting())); }
