// Adding the music files of a directory tree to the catalogue.
#pragma once

#include "state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Platform {
class KeyedTree;
}

namespace Functions {

// Walks `startDir` and everything below it breadth-first and appends a song for
// every file whose name ends in "mp3", untagged, then rebuilds the artist tree.
// Each directory is walked once however many links lead to it; directories and
// entries that cannot be read are passed over; a full catalogue ends the walk
// with one message.
void ScanDirectories(const QString &startDir, Platform::KeyedTree &tree, std::vector<Song> &songs,
                     int16_t &lastIndex, int16_t &count);

} // namespace Functions
