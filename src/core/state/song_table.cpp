// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/song_table.h"

#include "core/state/counter.h"

#include <stdexcept>
#include <utility>

bool SongTable::IsSong(int index) const
{
    return count_ > 0 && index >= 0 && index <= lastIndex_ && static_cast<std::size_t>(index) < songs_.size();
}

const Song &SongTable::SongAt(int index) const
{
    if (!IsSong(index))
        throw std::out_of_range("song index outside the catalogue");
    return songs_[static_cast<std::size_t>(index)];
}

Song &SongTable::SongAt(int index) { return const_cast<Song &>(std::as_const(*this).SongAt(index)); }

Song &SongTable::Append()
{
    Increment(count_);
    lastIndex_ = static_cast<int16_t>(count_ - 1);
    songs_.resize(static_cast<std::size_t>(lastIndex_) + 1);
    return songs_[static_cast<std::size_t>(lastIndex_)];
}

void SongTable::Clear()
{
    songs_.assign(1, Song{});
    count_ = 0;
    lastIndex_ = 0;
}

void SongTable::ResetCount() { count_ = 0; }
