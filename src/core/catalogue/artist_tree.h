// SPDX-License-Identifier: GPL-3.0-or-later
// The artist tree as the build adds it: a root "Artists", one node per run of an
// artist, one leaf per song, each node with its key.
#pragma once

#include "core/state/song_table.h"
#include "core/state/tree_node.h"

#include <QString>
#include <vector>

namespace Functions {

struct ArtistTree {
    std::vector<TreeNode> nodes;
    // The diagnostic of the build's first refused key; empty when none was refused.
    QString diagnostic;
};

// Key of the tree node of song `index`.
QString SongKey(int index);

// The nodes of the songs in the order they are added, each after its
// parent; the root first. Empty for an empty catalogue. An artist node whose key is
// taken (by an earlier run of the artist, or by the root for an artist named
// "Artist") is not added: the first such failure of a build gives the diagnostic,
// and the run's songs join the node that has the key.
ArtistTree BuildArtistTree(const SongTable &songs);

} // namespace Functions
