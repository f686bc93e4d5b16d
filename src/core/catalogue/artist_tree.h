// The artist tree as the build adds it: a root "Artists", one node per run of an
// artist, one leaf per song, each node with its key.
#pragma once

#include "core/state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Functions {

struct TreeNode {
    int parent;   // the parent's place in the list; -1 for the root
    QString key;  // "Artist" for the root, the artist text; a song's key is SongKey(song)
    QString text;
    int song;     // the song's index for a song node, -1 otherwise
};

// Key of the tree node of song `index`.
QString SongKey(int index);

// The nodes of songs 0..lastIndex in the order they are added, each after its
// parent; the root first. Empty for an empty catalogue. An artist node whose key is
// taken (by an earlier run of the artist, or by the root for an artist named
// "Artist") is not added: the first such failure of a build is shown in a diagnostic
// message, and the run's songs join the node that has the key.
std::vector<TreeNode> BuildArtistTree(const std::vector<Song> &songs, int16_t lastIndex, int16_t count);

} // namespace Functions
