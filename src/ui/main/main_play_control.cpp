// SPDX-License-Identifier: GPL-3.0-or-later
// The play buttons, and the current song as the window shows it.
#include "ui/main/main_window.h"

#include "platform/failure.h"
#include "ui/jukebox/jukebox.h"
#include "ui/kit/keyed_tree.h"

#include <QLineEdit>
#include <QListWidget>

namespace {
using Node = Kit::KeyedTree::Node;

// The tree node of song `index`; throws when the tree has none.
Node *SongNodeOf(const Kit::KeyedTree &tree, int index)
{
    Node *node = tree.SongNode(index);
    if (!node || !node->parent())
        throw Platform::Failure(Platform::ErrorNumber::ElementNotFound, QStringLiteral("Element not found"),
                                QStringLiteral("TreeView1"));
    return node;
}
} // namespace

void Main::cmd_play_Click() { jukebox_.playControl().Play(); }
void Main::cmd_next_Click() { jukebox_.playControl().Next(); }
void Main::cmd_pause_Click() { jukebox_.playControl().Pause(); }
void Main::cmd_stop_Click() { jukebox_.playControl().Stop(); }

void Main::ShowCurrentSong(const QString &text) { text_CurrentSong->setText(text); }

void Main::MarkCurrentSong()
{
    const int current = model_.pointers.CurrentSong().Index;
    if (model_.settings.SortBy() != SortMode::TreeArtistSong) {
        if (current < -1 || current >= List1->count())
            throw Platform::Failure(Platform::ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value"),
                                    QStringLiteral("List1"));
        List1->setCurrentRow(current);
        return;
    }
    Node *previousNode = SongNodeOf(*TreeView1, model_.pointers.PreviousSong().Index);
    Node *currentNode = SongNodeOf(*TreeView1, current);
    // Leaving an artist closes its node again.
    if (previousNode->parent()->text(0) != currentNode->parent()->text(0))
        previousNode->parent()->setExpanded(false);
    TreeView1->EnsureVisible(currentNode);
    TreeView1->Select(currentNode);
}
