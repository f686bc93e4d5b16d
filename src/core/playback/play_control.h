// SPDX-License-Identifier: GPL-3.0-or-later
// The play control: play, pause, stop and next, the choice of the next song, and the
// end of a song. It drives the media component and shows the current song on the
// model's screen.
#pragma once

#include "core/playback/load_wait.h"
#include "core/state/model.h"
#include "platform/media_player.h"

#include <QStringList>
#include <optional>

class PlayControl {
public:
    PlayControl(Model &model, MediaPlayer &player, int loadLimitMs = LoadWait::LimitMs);

    // The Play button: opens the selected song, or resumes the current one.
    void Play();
    // The Play button without its choice of a song: opens SelectedSong as it stands,
    // or resumes it when it is the current song.
    void PlaySelected();
    // The Next button: chooses the next song and plays it.
    void Next();
    void Pause();
    void Stop();
    // The desktop's Previous: plays PreviousSong while the catalogue holds it.
    void Previous();
    // Files opened by name: added to the catalogue as an addition adds songs, and the
    // first of them played.
    void OpenFiles(const QStringList &paths);
    // The player reached the end of `file`.
    void EndOfStream(const OpenedFile &file);

    // Chooses the next song into SelectedSong: the head of the active queue, a
    // random song, or the one after the current song.
    void NextSong();
    // Gives a newly opened file the loudness of the volume setting.
    void ApplyVolume();

private:
    // The play control's failure rule: a step that fails is abandoned, together with the
    // rest of whatever it called, the failure is logged, and the command goes on.
    template <class F>
    void Step(const char *name, F &&action);

    Model &model_;
    MediaPlayer &player_;
    LoadWait wait_;
    // The file whose end the player reported while a play command waited.
    std::optional<OpenedFile> endedWhileLoading_;
};
