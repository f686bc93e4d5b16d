// SPDX-License-Identifier: GPL-3.0-or-later
// The three forms in which the catalogue sorts and lists its songs: artist then
// song, song then artist, and file name.
#pragma once

namespace Functions {

enum class KeyForm { ArtistSong, SongArtist, FileName };

} // namespace Functions
