// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue: the songs, their count and the index of the last. Every change goes
// through an Edit, which announces it once when it ends.
#pragma once

#include "core/state/song_table.h"

#include <QObject>
#include <cstdint>
#include <vector>

class Catalogue : public QObject {
    Q_OBJECT
public:
    const SongTable &Table() const { return songs_; }
    const std::vector<Song> &Songs() const { return songs_.Songs(); }
    int16_t SongCount() const { return songs_.SongCount(); }
    int16_t LastSongIndex() const { return songs_.LastSongIndex(); }

    // True when `index` names a song of the catalogue (after Clear, element 0 is no song).
    bool IsSong(int index) const { return songs_.IsSong(index); }
    // The song at `index`; throws std::out_of_range for an index outside the catalogue.
    const Song &SongAt(int index) const { return songs_.SongAt(index); }
    // The index of the song that `pointer` names: its remembered index while that song
    // is still there, else the first song of that path; -1 when the catalogue has none.
    int FindSong(const SongPointer &pointer) const;

    // One change of the catalogue: its songs are open for writing while the edit
    // lives, and changed() is emitted once as it ends when they were opened.
    class Edit {
    public:
        explicit Edit(Catalogue &catalogue) : catalogue_(catalogue) {}
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;

        SongTable &Table();

    private:
        Catalogue &catalogue_;
        bool opened_ = false;
    };

    // Empties the catalogue: one blank record, no songs.
    void Clear();

signals:
    // Songs were added, removed, retagged or reordered.
    void changed();

private:
    SongTable songs_;
};
