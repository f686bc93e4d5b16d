// SPDX-License-Identifier: GPL-3.0-or-later
// Playlist files: one song a line, four quoted fields (artist, song, path, file name).
#pragma once

#include "core/state/screen.h"
#include "core/state/song_table.h"

#include <QIODevice>
#include <QString>

namespace Functions {

// Writes the records 0 to the last index to the named file of the application
// directory, replacing it only once the whole file is written. On failure the old
// file stays and the user is told on `screen`; returns whether the file was written.
bool SavePlaylist(Screen::Surface &screen, const QString &fileName, const SongTable &songs);

// Replaces the catalogue with the songs of the file at `path`, with progress shown.
// A file that cannot be opened, or that is no regular file (a pipe, a directory),
// changes nothing; a read error or the 32,768th song ends the load with what was read.
void LoadPlaylist(Screen::Surface &screen, const QString &path, SongTable &songs);
// The same from a device open for reading.
void LoadPlaylist(Screen::Surface &screen, QIODevice &file, SongTable &songs);

} // namespace Functions
