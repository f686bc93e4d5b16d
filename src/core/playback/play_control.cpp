// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/play_control.h"

#include "core/catalogue/addition.h"
#include "core/catalogue/selection.h"
#include "core/playback/volume.h"
#include "core/state/describe_failure.h"

#include <QLoggingCategory>
#include <QTimer>
#include <stdexcept>
#include <utility>

namespace {
Q_LOGGING_CATEGORY(playControlLog, "korvel.playcontrol")

} // namespace

PlayControl::PlayControl(Model &model, MediaPlayer &player, int loadLimitMs)
    : model_(model), player_(player), wait_(loadLimitMs)
{
}

template <class F>
void PlayControl::Step(const char *name, F &&action)
{
    try {
        action();
    } catch (const std::exception &error) {
        qCWarning(playControlLog).noquote() << name << "skipped:" << FailureLine(error);
    }
}

void PlayControl::Play()
{
    Step("choosing a song", [this] {
        if (model_.options.SongQueueActive() || model_.pointers.SelectedSong().Index == -1)
            NextSong();
    });
    PlaySelected();
}

void PlayControl::PlaySelected()
{
    const SongPointers &pointers = model_.pointers;
    const Catalogue &catalogue = model_.catalogue;
    if (pointers.SelectedSong().LongName != pointers.CurrentSong().LongName) {
        Step("opening the song", [&] { player_.Open(catalogue.SongAt(pointers.SelectedSong().Index).LongName); });
        {
            WorkUnderWay::Token waiting(model_.work);
            wait_.Until(player_);
        }
        Step("setting the volume", [this] { ApplyVolume(); });
        Step("making it the current song", [&] {
            // The index is taken even when it names no song; the path then stays.
            const int16_t index = pointers.SelectedSong().Index;
            const bool held = catalogue.IsSong(index);
            model_.pointers.SetCurrentSong({held ? catalogue.SongAt(index).LongName : pointers.CurrentSong().LongName, index});
            if (!held)
                throw std::out_of_range("song index outside the catalogue");
        });
        Step("naming the current song", [&] {
            const Song &song = catalogue.SongAt(pointers.SelectedSong().Index);
            model_.screen.nowPlaying().ShowCurrentSong(song.Artist + QStringLiteral(" - ") + song.SongName);
        });
    } else {
        Step("resuming", [this] { player_.Play(); });
    }
    Step("marking the current song", [this] { model_.screen.nowPlaying().MarkCurrentSong(); });

    // An end held back while the outermost wait ran takes effect now, unless another
    // file has been opened since.
    if (!wait_.Active() && endedWhileLoading_)
        QTimer::singleShot(0, &player_, [this, ended = *std::exchange(endedWhileLoading_, std::nullopt)] { EndOfStream(ended); });
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

void PlayControl::Previous()
{
    if (SelectSong(model_, model_.catalogue.FindSong(model_.pointers.PreviousSong())))
        PlaySelected();
}

void PlayControl::OpenFiles(const QStringList &paths)
{
    const QStringList added = AddSongFiles(model_, paths);
    if (!added.isEmpty() && SelectSong(model_, model_.catalogue.FindSong({added.first(), -1})))
        PlaySelected();
}

void PlayControl::EndOfStream(const OpenedFile &file)
{
    // An end held back counts only while its file is still the open one.
    if (file != player_.Opened())
        return;
    // A song that ends before the play command waiting for it has made it the current
    // song would have the next one chosen from the song before it, which opens the
    // same song again: the end waits until no play command waits any more.
    if (wait_.Active()) {
        endedWhileLoading_ = file;
        return;
    }
    // While a long operation changes the catalogue the next song waits for it to end.
    // It is taken up from the event loop, as the door's held commands are, not inside the
    // operation's last steps.
    if (model_.work.Operating()) {
        QObject::connect(&model_.work, &WorkUnderWay::idle, &player_, [this, file] { EndOfStream(file); },
                         Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    Next();
}

void PlayControl::ApplyVolume() { player_.SetVolume(OpenedFileVolume(model_.options.Volume())); }
