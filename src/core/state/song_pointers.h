// SPDX-License-Identifier: GPL-3.0-or-later
// The three song pointers: the song playing (CurrentSong), the one played before it
// (PreviousSong) and the one chosen to play next (SelectedSong).
#pragma once

#include "core/state/song.h"

#include <QObject>

class SongPointers : public QObject {
    Q_OBJECT
public:
    SongPointers();

    const SongPointer &CurrentSong() const { return current_; }
    const SongPointer &PreviousSong() const { return previous_; }
    const SongPointer &SelectedSong() const { return selected_; }

    // Each setter announces a pointer that really changed, once.
    void SetCurrentSong(const SongPointer &pointer);
    void SetPreviousSong(const SongPointer &pointer);
    void SetSelectedSong(const SongPointer &pointer);

    // The values a run starts with.
    void Reset();

signals:
    void currentSongChanged();
    void previousSongChanged();
    void selectedSongChanged();

private:
    SongPointer current_;
    SongPointer previous_;
    SongPointer selected_;
};
