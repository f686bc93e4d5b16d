// Marks the playing song in the visible view: its list row, or its tree node.
#include "app/main_window.h"

#include "platform/failure.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "views/artist_tree.h"

#include <QListWidget>

namespace {
using Node = Platform::KeyedTree::Node;

// The tree node of song `index`; throws when the tree has no song node for it.
Node *songNode(const Platform::KeyedTree &tree, int index)
{
    Node *node = tree.NodeByKey(Functions::SongKey(index));
    if (!Platform::KeyedTree::IsSong(node) || !node->parent())
        throw Platform::Failure(35601, QStringLiteral("Element not found"), QStringLiteral("KeyedTree"));
    return node;
}
} // namespace

void Main::MarkCurrentSong()
{
    if (SortBy != QStringLiteral("TAS")) {
        if (CurrentSong.Index < -1 || CurrentSong.Index >= List1->count())
            throw Platform::Failure(380, QStringLiteral("Invalid property value"), QStringLiteral("ListBox"));
        List1->setCurrentRow(CurrentSong.Index);
        return;
    }
    Node *previous = songNode(*TreeView1, PreviousSong.Index);
    Node *current = songNode(*TreeView1, CurrentSong.Index);
    // Leaving an artist closes its node again.
    if (previous->parent()->text(0) != current->parent()->text(0))
        previous->parent()->setExpanded(false);
    TreeView1->EnsureVisible(current);
    TreeView1->Select(current);
}
