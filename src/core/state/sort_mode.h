// SPDX-License-Identifier: GPL-3.0-or-later
// The view-and-sort modes: the artist tree, or the list sorted by artist and song,
// by song and artist, or by file name.
#pragma once

enum class SortMode { TreeArtistSong, ListArtistSong, ListSongArtist, ListFileName };
