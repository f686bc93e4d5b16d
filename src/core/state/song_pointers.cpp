// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/song_pointers.h"

namespace {
// Whether `to` differs from `pointer`, which then takes it.
bool Assign(SongPointer &pointer, const SongPointer &to)
{
    if (pointer.Index == to.Index && pointer.LongName == to.LongName)
        return false;
    pointer = to;
    return true;
}
} // namespace

SongPointers::SongPointers() { Reset(); }

void SongPointers::SetCurrentSong(const SongPointer &pointer)
{
    if (Assign(current_, pointer))
        emit currentSongChanged();
}

void SongPointers::SetPreviousSong(const SongPointer &pointer)
{
    if (Assign(previous_, pointer))
        emit previousSongChanged();
}

void SongPointers::SetSelectedSong(const SongPointer &pointer)
{
    if (Assign(selected_, pointer))
        emit selectedSongChanged();
}

void SongPointers::Reset()
{
    // Names no song can have, so that no song counts as current or selected.
    SetCurrentSong({QStringLiteral("CurrentSong"), 0});
    SetPreviousSong({QStringLiteral("PreviousSong"), -1});
    SetSelectedSong({QStringLiteral("SelectedSong"), -1});
}
