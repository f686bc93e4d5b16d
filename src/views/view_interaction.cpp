// Clicks, double clicks and keys on the tree and the list; Expand, Collapse, Clear.
#include "app/main_window.h"

#include "app/windows.h"
#include "platform/busy_cursor.h"
#include "platform/keyed_tree.h"
#include "playback/queue_window.h"
#include "playback/song_access.h"
#include "state/globals.h"

#include <QCheckBox>
#include <QListWidget>

namespace {
constexpr int EnterKey = 13;
constexpr int PlusKey = 43;

// Makes song `index` the selected song; an index outside the catalogue selects nothing.
bool selectSong(int index)
{
    if (!Playback::IsCatalogueSong(index))
        return false;
    SelectedSong.Index = static_cast<int16_t>(index);
    SelectedSong.LongName = Playback::SongAt(index).LongName.trimmed();
    return true;
}

// Plays the selected song, or queues it while the queue is active.
void playOrQueue(Main &main)
{
    frm_Q &queue = Window<frm_Q>();
    if (!queue.chk_songque->isChecked()) {
        main.cmd_play_Click();
        return;
    }
    const Song &song = Playback::SongAt(SelectedSong.Index);
    queue.Append(SelectedSong, song.Artist.trimmed() + QStringLiteral(" - ") + song.SongName.trimmed());
}

// The song index of a tree node, or −1 for the root and artist nodes.
int songIndexOf(const Platform::KeyedTree::Node *node)
{
    if (!node || !Platform::KeyedTree::IsSong(node))
        return -1;
    bool ok = false;
    const int16_t index = Platform::KeyedTree::Key(node).mid(3).toShort(&ok);
    return ok ? index : -1;
}

void setArtistNodesOpen(Platform::KeyedTree &tree, bool open)
{
    Platform::BusyCursor busy;
    // Redrawn once at the end, so the whole change shows at once.
    tree.setUpdatesEnabled(false);
    for (int n = 2; n <= tree.Count(); ++n) {
        Platform::KeyedTree::Node *node = tree.NodeAt(n);
        if (node->childCount() > 0)
            node->setExpanded(open);
    }
    tree.setUpdatesEnabled(true);
}
} // namespace

void Main::TreeView1_DblClick()
{
    if (selectSong(songIndexOf(TreeView1->SelectedItem())))
        playOrQueue(*this);
}

void Main::TreeView1_KeyPress(int keyAscii)
{
    if (keyAscii == EnterKey)
        TreeView1_DblClick();
    else if (keyAscii == PlusKey)
        cmd_next_Click();
}

void Main::List1_Click() { selectSong(List1->currentRow()); }

void Main::List1_DblClick()
{
    if (selectSong(List1->currentRow()))
        playOrQueue(*this);
}

void Main::List1_KeyPress(int keyAscii)
{
    if (keyAscii == EnterKey)
        List1_DblClick();
}

void Main::cmd_expand_Click() { setArtistNodesOpen(*TreeView1, true); }

void Main::cmd_shrink_Click() { setArtistNodesOpen(*TreeView1, false); }

void Main::cmd_clear_Click()
{
    Songs.assign(1, Song{});
    SongCount = 0;
    LastSongIndex = 0;
    TreeView1->ClearNodes();
    List1->clear();
    SelectedSong = {QStringLiteral("NULLSONG"), -1};
    UpdateSongTotals();
}
