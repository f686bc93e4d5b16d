// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/catalogue.h"

#include "core/state/counter.h"
#include "core/state/trim_spaces.h"

#include <stdexcept>

bool Catalogue::IsSong(int index) const
{
    return count_ > 0 && index >= 0 && index <= lastIndex_ && static_cast<std::size_t>(index) < songs_.size();
}

const Song &Catalogue::SongAt(int index) const
{
    if (!IsSong(index))
        throw std::out_of_range("song index outside the catalogue");
    return songs_[static_cast<std::size_t>(index)];
}

int Catalogue::FindSong(const SongPointer &pointer) const
{
    const QString path = TrimSpaces(pointer.LongName);
    if (IsSong(pointer.Index) && TrimSpaces(SongAt(pointer.Index).LongName) == path)
        return pointer.Index;
    for (int i = 0; IsSong(i); ++i) {
        if (TrimSpaces(SongAt(i).LongName) == path)
            return i;
    }
    return -1;
}

void Catalogue::Clear()
{
    // Without songs nothing that anyone sees changes.
    if (count_ == 0) {
        songs_.assign(1, Song{});
        lastIndex_ = 0;
        return;
    }
    Edit edit(*this);
    edit.Songs().assign(1, Song{});
    edit.SongCount() = 0;
    edit.LastSongIndex() = 0;
}

Catalogue::Edit::~Edit()
{
    if (opened_)
        emit catalogue_.changed();
}

Catalogue &Catalogue::Edit::Open()
{
    opened_ = true;
    return catalogue_;
}

Song &AppendSong(std::vector<Song> &songs, int16_t &lastIndex, int16_t &count)
{
    Increment(count);
    lastIndex = static_cast<int16_t>(count - 1);
    songs.resize(static_cast<std::size_t>(lastIndex) + 1);
    return songs[static_cast<std::size_t>(lastIndex)];
}
