// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/quick_load.h"

#include "core/catalogue/artist_tree.h"
#include "core/catalogue/view_modes.h"
#include "core/storage/playlist.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"

#include <QFileInfo>

namespace Functions {

namespace {
QString SlotFileName(int16_t slot) { return QStringLiteral("playlist%1.txt").arg(slot); }

void Load(Model &model, const QString &path)
{
    Catalogue::Edit edit(model.catalogue);
    LoadPlaylist(model.screen, path, edit.Table());
}
} // namespace

void SaveSlot(Model &model, int16_t slot)
{
    if (model.catalogue.SongCount() == 0)
        DeleteFileIfPresent(model.screen, Platform::ApplicationFile(SlotFileName(slot)));
    else
        SavePlaylist(model.screen, SlotFileName(slot), model.catalogue.Table());
}

void LoadSlot(Model &model, int16_t slot)
{
    const QString path = Platform::ApplicationFile(SlotFileName(slot));
    if (!QFileInfo(path).isFile()) {
        model.screen.ShowMessage(QStringLiteral("File ") + path + QStringLiteral("\rDoes Not exist, please Save a File"));
        return;
    }
    Load(model, path);
    ShowArtistTree(model);
    if (ViewModeOf(model.settings.SortBy()).listForm)
        RebuildModeView(model);
}

void LoadStartupPlaylist(Model &model)
{
    const QString path = Platform::ApplicationFile(SlotFileName(0));
    const ViewMode &mode = ViewModeOf(model.settings.SortBy());
    if (QFileInfo::exists(path)) {
        Load(model, path);
        if (mode.listForm || model.catalogue.SongCount() == 0) {
            ShowArtistTree(model);
        } else {
            // The tree of the file's order would be replaced by the sorted one before
            // it is ever seen: only its plan is made, for the diagnostic it shows.
            const ArtistTree tree = BuildArtistTree(model.catalogue.Table());
            if (!tree.diagnostic.isEmpty())
                model.screen.ShowMessage(tree.diagnostic);
        }
    }
    ChooseViewMode(model, mode.mode);
}

} // namespace Functions
