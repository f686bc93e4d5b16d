// SPDX-License-Identifier: GPL-3.0-or-later
// The player's options that the windows switch: Shuffle, "Song Q Active" and the volume.
#pragma once

#include <QObject>

class PlayerOptions : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietestVolume = -100;
    static constexpr int LoudestVolume = 0;

    // A random song next rather than the following one.
    bool Shuffle() const { return shuffle_; }
    // The queue chooses the next song, and a chosen song joins the queue instead of playing.
    bool SongQueueActive() const { return songQueueActive_; }
    // The volume slider's value, QuietestVolume to LoudestVolume.
    int Volume() const { return volume_; }

    // Each setter announces a value that really changed, once; the volume is held
    // within its range.
    void SetShuffle(bool on);
    void SetSongQueueActive(bool on);
    void SetVolume(int volume);

signals:
    void shuffleChanged(bool on);
    void songQueueActiveChanged(bool on);
    void volumeChanged(int volume);

private:
    bool shuffle_ = false;
    bool songQueueActive_ = false;
    int volume_ = -50;
};
