// SPDX-License-Identifier: GPL-3.0-or-later
// The songs of a directory tree in the order a breadth-first walk meets them, with
// the directories of each level listed side by side.
#pragma once

#include "core/state/song.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

namespace Functions {

// Whether a file of this name, as the file system gives it, joins the catalogue: its
// name ends in "mp3", with that case ("song.MP3" does not).
bool IsSongName(QByteArrayView name);

// Walks `startDir` and everything below it breadth-first, each directory's entries
// in the order it lists them, and hands `take` the untagged songs of each directory
// that holds song files, in the walk's order, on this thread; the walk stops when
// `take` returns false. Each directory is walked once however many links lead to
// it; directories and entries that cannot be read are passed over. The directories
// of a level are listed on the pass threads, so that several reads wait on the disk
// at once.
void WalkSongs(const QString &startDir, const std::function<bool(std::vector<Song> &songs)> &take);

} // namespace Functions
