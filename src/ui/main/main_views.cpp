// SPDX-License-Identifier: GPL-3.0-or-later
// The views: filling them from the catalogue; clicks, double clicks and keys on the
// tree and the list; Expand, Collapse and Clear.
#include "ui/main/main_window.h"

#include "core/catalogue/selection.h"
#include "core/playback/queue.h"
#include "core/state/font_size.h"
#include "core/state/number_text.h"
#include "ui/kit/busy_cursor.h"
#include "ui/kit/key_codes.h"
#include "ui/kit/keyed_tree.h"
#include "ui/kit/selected_row.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace {

void SetArtistNodesOpen(Kit::KeyedTree &tree, bool open)
{
    Kit::BusyCursor busy;
    // The artists are the root's children; the songs beside them have no children.
    if (Kit::KeyedTree::Node *root = tree.topLevelItem(0)) {
        for (int i = 0; i < root->childCount(); ++i) {
            Kit::KeyedTree::Node *node = root->child(i);
            if (node->childCount() > 0)
                node->setExpanded(open);
        }
    }
}

void SetPointSize(QWidget *view, int points)
{
    QFont font = view->font();
    font.setPointSize(points);
    view->setFont(font);
}
} // namespace

void Main::RebuildTree(const std::vector<Functions::TreeNode> &nodes)
{
    {
        Kit::BusyCursor busy;
        TreeView1->Fill(nodes);
    }
    // The root opens on its artists; every artist stays closed.
    if (TreeView1->Count() > 1)
        TreeView1->EnsureVisible(TreeView1->NodeAt(1)->child(0));
}

void Main::RefillList(const QStringList &rows)
{
    // One insertion costs a fraction of row-by-row adds.
    List1->clear();
    List1->addItems(rows);
}

void Main::ShowTree(bool tree)
{
    TreeView1->setVisible(tree);
    List1->setVisible(!tree);
}

void Main::UpdateSongTotals() { Label_TotalAllSongs->setText(SongTotalText(model_.catalogue.SongCount())); }

void Main::SetViewFontSize(int points)
{
    const int shown = std::clamp<int>(points, SmallestFontSize, LargestFontSize);
    SetPointSize(TreeView1, shown);
    SetPointSize(List1, shown);
}

void Main::PlayOrQueue()
{
    if (model_.options.SongQueueActive())
        QueueSong(model_, model_.pointers.SelectedSong());
    else
        cmd_play_Click();
}

void Main::TreeView1_DblClick()
{
    if (SelectSong(model_, Kit::KeyedTree::SongIndex(TreeView1->SelectedItem())))
        PlayOrQueue();
}

void Main::TreeView1_KeyPress(int keyAscii)
{
    if (keyAscii == KeyCode::Enter)
        TreeView1_DblClick();
    else if (keyAscii == KeyCode::Plus)
        cmd_next_Click();
}

void Main::List1_Click() { SelectSong(model_, Kit::SelectedRow(*List1)); }

void Main::List1_DblClick()
{
    if (SelectSong(model_, Kit::SelectedRow(*List1)))
        PlayOrQueue();
}

void Main::List1_KeyPress(int keyAscii)
{
    if (keyAscii == KeyCode::Enter)
        List1_DblClick();
}

void Main::cmd_expand_Click() { SetArtistNodesOpen(*TreeView1, true); }

void Main::cmd_shrink_Click() { SetArtistNodesOpen(*TreeView1, false); }

void Main::cmd_clear_Click()
{
    ClearCatalogue(model_);
    TreeView1->ClearNodes();
    List1->clear();
    UpdateSongTotals();
}
