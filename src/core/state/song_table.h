// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's songs with their count and the index of the last, which change together.
#pragma once

#include "core/state/song.h"

#include <cstdint>
#include <vector>

// Records 0 to LastSongIndex(), of which SongCount() are songs: the last index is the
// count less one, or 0 without songs. Before the first song there are no records;
// after Clear one blank record, which is no song.
class SongTable {
public:
    const std::vector<Song> &Songs() const { return songs_; }
    int16_t SongCount() const { return count_; }
    int16_t LastSongIndex() const { return lastIndex_; }

    // True when `index` names a song.
    bool IsSong(int index) const;
    // The song at `index`; throws std::out_of_range for an index that names no song.
    const Song &SongAt(int index) const;
    Song &SongAt(int index);

    // The one growth rule: count the song, then make room for it at the end. Returns
    // the record at the new last index: a blank one, unless ResetCount left it there.
    // Throws CounterOverflow, with nothing changed, when 32,767 songs are counted.
    Song &Append();
    // One blank record and no songs.
    void Clear();
    // No songs counted, the records and the last index kept: the next Append starts
    // again at record 0 and drops the records after it.
    void ResetCount();

private:
    std::vector<Song> songs_;
    int16_t count_ = 0;
    int16_t lastIndex_ = 0;
};
