#include "core/storage/quick_load.h"

#include "core/catalogue/artist_tree.h"
#include "core/catalogue/view_modes.h"
#include "core/state/globals.h"
#include "core/state/screen.h"
#include "core/storage/playlist.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"

#include <QFileInfo>

namespace Functions {

namespace {
QString SlotFileName(int16_t slot) { return QStringLiteral("playlist%1.txt").arg(slot); }
} // namespace

void SaveSlot(int16_t slot)
{
    if (SongCount == 0)
        DeleteFileIfPresent(Platform::ApplicationFile(SlotFileName(slot)));
    else
        SavePlaylist(SlotFileName(slot), Songs, LastSongIndex);
}

void LoadSlot(int16_t slot)
{
    const QString path = Platform::ApplicationFile(SlotFileName(slot));
    if (!QFileInfo(path).isFile()) {
        ShowMessage(QStringLiteral("File ") + path + QStringLiteral("\rDoes Not exist, please Save a File"));
        return;
    }
    LoadPlaylist(path, Songs, LastSongIndex, SongCount);
    Screen::views().RebuildTree();
    const ViewMode *mode = FindViewMode(SortBy);
    if (mode && !mode->listForm.isEmpty())
        Screen::views().RefillList(mode->listForm);
}

void LoadStartupPlaylist()
{
    const QString path = Platform::ApplicationFile(SlotFileName(0));
    const ViewMode *mode = FindViewMode(SortBy);
    if (QFileInfo::exists(path)) {
        LoadPlaylist(path, Songs, LastSongIndex, SongCount);
        if (!mode || !mode->listForm.isEmpty() || SongCount == 0)
            Screen::views().RebuildTree();
        // The tree of the file's order would be replaced by the sorted one before it
        // is ever seen: only its plan is made, for the diagnostics it shows.
        else
            BuildArtistTree(Songs, LastSongIndex, SongCount);
    }
    if (mode)
        ChooseViewMode(*mode);
}

} // namespace Functions
