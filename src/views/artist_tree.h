// The artist tree: a root "Artists", one node per run of an artist, one leaf per song.
#pragma once

#include "state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Platform {
class KeyedTree;
}

namespace Functions {

// Key of the tree node of song `index`.
inline QString SongKey(int index) { return QStringLiteral("Key") + QString::number(index); }

// Rebuilds the whole tree from songs 0..lastIndex. A step that fails is reported
// once per build in a diagnostic message and the build goes on.
void BuildArtistTree(Platform::KeyedTree &tree, const std::vector<Song> &songs, const int16_t &lastIndex);

} // namespace Functions
