// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue: the songs, their count and the index of the last. Every change goes
// through an Edit, which announces it once when it ends.
#pragma once

#include "core/state/song.h"

#include <QObject>
#include <cstdint>
#include <vector>

class Catalogue : public QObject {
    Q_OBJECT
public:
    const std::vector<Song> &Songs() const { return songs_; }
    int16_t SongCount() const { return count_; }
    int16_t LastSongIndex() const { return lastIndex_; }

    // True when `index` names a song of the catalogue (after Clear, element 0 is no song).
    bool IsSong(int index) const;
    // The song at `index`; throws std::out_of_range for an index outside the catalogue.
    const Song &SongAt(int index) const;
    // The index of the song that `pointer` names: its remembered index while that song
    // is still there, else the first song of that path; -1 when the catalogue has none.
    int FindSong(const SongPointer &pointer) const;

    // One change of the catalogue: its records and counters are open for writing while
    // the edit lives, and changed() is emitted once as it ends when any was opened.
    class Edit {
    public:
        explicit Edit(Catalogue &catalogue) : catalogue_(catalogue) {}
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;

        std::vector<Song> &Songs() { return Open().songs_; }
        int16_t &LastSongIndex() { return Open().lastIndex_; }
        int16_t &SongCount() { return Open().count_; }

    private:
        Catalogue &Open();
        Catalogue &catalogue_;
        bool opened_ = false;
    };

    // Empties the catalogue: one blank record, no songs.
    void Clear();

signals:
    // Songs were added, removed, retagged or reordered.
    void changed();

private:
    std::vector<Song> songs_;
    int16_t count_ = 0;
    int16_t lastIndex_ = 0;
};

// The one growth rule of the catalogue: count the song, then make room for it at the
// end. Throws CounterOverflow (nothing changed) when the catalogue is full.
Song &AppendSong(std::vector<Song> &songs, int16_t &lastIndex, int16_t &count);
