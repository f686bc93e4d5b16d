// The transport buttons, and what the transport reads from and shows in the windows.
#include "ui/main/main_window.h"

#include "core/catalogue/add_files.h"
#include "core/catalogue/artist_tree.h"
#include "core/catalogue/catalogue.h"
#include "core/state/globals.h"
#include "platform/failure.h"
#include "ui/kit/keyed_tree.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/windows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

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

void Main::cmd_play_Click() { transport_->Play(); }
void Main::cmd_next_Click() { transport_->Next(); }
void Main::cmd_pause_Click() { transport_->Pause(); }
void Main::cmd_stop_Click() { transport_->Stop(); }

void Main::PlayPreviousSong()
{
    if (SelectSong(FindSong(PreviousSong)))
        transport_->PlaySelected();
}

void Main::OpenFiles(const QStringList &paths)
{
    const QStringList added = AddSongFiles(paths);
    if (!added.isEmpty() && SelectSong(FindSong({added.first(), -1})))
        transport_->PlaySelected();
}

bool Main::SongQueueActive() { return Window<frm_Q>().chk_songque->isChecked(); }

bool Main::ShuffleOn() { return chk_shuffle->isChecked(); }

int Main::VolumeSetting() { return Slider_vol->value(); }

void Main::ShowCurrentSong(const QString &text) { text_CurrentSong->setText(text); }

void Main::MarkCurrentSong()
{
    if (SortBy != QLatin1String("TAS")) {
        if (CurrentSong.Index < -1 || CurrentSong.Index >= List1->count())
            throw Platform::Failure(Platform::ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value"),
                                    QStringLiteral("List1"));
        List1->setCurrentRow(CurrentSong.Index);
        return;
    }
    Node *previous = SongNodeOf(*TreeView1, PreviousSong.Index);
    Node *current = SongNodeOf(*TreeView1, CurrentSong.Index);
    // Leaving an artist closes its node again.
    if (previous->parent()->text(0) != current->parent()->text(0))
        previous->parent()->setExpanded(false);
    TreeView1->EnsureVisible(current);
    TreeView1->Select(current);
}
