// Adding the music files of a directory tree to the catalogue.
#pragma once

#include "core/state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Functions {

// Walks `startDir` and everything below it breadth-first and appends a song for
// every file whose name ends in "mp3", untagged, then has the artist tree rebuilt.
// Each directory is walked once however many links lead to it; directories and
// entries that cannot be read are passed over; a full catalogue ends the walk
// with one message.
void ScanDirectories(const QString &startDir, std::vector<Song> &songs, int16_t &lastIndex, int16_t &count);

// ScanDirectories in two steps: the walk, which returns false when the catalogue
// filled up before it ended...
bool WalkDirectories(const QString &startDir, std::vector<Song> &songs, int16_t &lastIndex, int16_t &count);
// ...and what follows it: the tree rebuilt and, after an incomplete walk, the message.
void FinishScan(bool complete);

} // namespace Functions
