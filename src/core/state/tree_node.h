// SPDX-License-Identifier: GPL-3.0-or-later
// One node of the artist tree as the views are given it.
#pragma once

#include <QString>

namespace Functions {

struct TreeNode {
    int parent;   // the parent's place in the list; -1 for the root
    QString key;  // "Artist" for the root, the artist text; a song's key is SongKey(song)
    QString text;
    int song;     // the song's index for a song node, -1 otherwise
};

} // namespace Functions
