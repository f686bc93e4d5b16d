// The transport: play, pause, stop and next, the choice of the next song, and the
// end of a song. It drives the media component and reads and shows what it needs
// through TransportScreen.
#pragma once

#include "core/playback/load_wait.h"

#include <QString>

class MediaPlayer;

// What the transport reads from the windows and shows in them.
class TransportScreen {
public:
    virtual ~TransportScreen() = default;
    // The queue window's "Song Q Active".
    virtual bool SongQueueActive() = 0;
    virtual bool ShuffleOn() = 0;
    // The volume slider, −100 to 0.
    virtual int VolumeSetting() = 0;
    // The current song's "Artist - SongName" above the views.
    virtual void ShowCurrentSong(const QString &text) = 0;
    // Marks CurrentSong in the visible view; throws when the view has no place for it.
    virtual void MarkCurrentSong() = 0;
};

class PlayControl {
public:
    PlayControl(MediaPlayer &player, TransportScreen &screen, LoadWait::Round round = LoadWait::EventLoopRound);

    // The Play button: opens the selected song, or resumes the current one.
    void Play();
    // The Play button without its choice of a song: opens SelectedSong as it stands,
    // or resumes it when it is the current song.
    void PlaySelected();
    // The Next button: chooses the next song and plays it.
    void Next();
    void Pause();
    void Stop();
    // The player reached the end of the file.
    void EndOfStream();

    // Chooses the next song into SelectedSong: the head of the active queue, a
    // random song, or the one after the current song.
    void NextSong();
    // Gives a newly opened file the loudness of the volume setting.
    void ApplyVolume();

private:
    // The transport's failure rule: a step that fails is abandoned, together with the
    // rest of whatever it called, the failure is logged, and the command goes on.
    template <class F>
    void Step(const char *name, F &&action);

    MediaPlayer &player_;
    TransportScreen &screen_;
    LoadWait wait_;
    // The file whose end the player reported while a play command waited ("" for none).
    QString endedWhileLoading_;
};
