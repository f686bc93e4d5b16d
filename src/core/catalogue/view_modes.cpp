// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/view_modes.h"

#include "core/catalogue/artist_tree.h"
#include "core/catalogue/song_list.h"
#include "core/catalogue/sort.h"

#include <array>

using Functions::KeyForm;

namespace {
const std::array<ViewMode, 4> &Modes()
{
    static const std::array<ViewMode, 4> table{{
        {SortMode::TreeArtistSong, QStringLiteral("TAS"), KeyForm::ArtistSong, std::nullopt},
        {SortMode::ListArtistSong, QStringLiteral("LAS"), KeyForm::ArtistSong, KeyForm::ArtistSong},
        {SortMode::ListSongArtist, QStringLiteral("LSA"), KeyForm::SongArtist, KeyForm::SongArtist},
        {SortMode::ListFileName, QStringLiteral("LF"), KeyForm::FileName, KeyForm::FileName},
    }};
    return table;
}

void Rebuild(Model &model, const ViewMode &mode)
{
    if (!mode.listForm) {
        ShowArtistTree(model);
        return;
    }
    model.screen.views().RefillList(Functions::SongListRows(model.catalogue.Table(), *mode.listForm));
}
} // namespace

const ViewMode &ViewModeOf(SortMode mode)
{
    for (const ViewMode &entry : Modes()) {
        if (entry.mode == mode)
            return entry;
    }
    return Modes().front();
}

std::optional<SortMode> SortModeOfCode(const QString &code)
{
    for (const ViewMode &entry : Modes()) {
        if (entry.code == code)
            return entry.mode;
    }
    return std::nullopt;
}

void ShowArtistTree(Model &model)
{
    const Functions::ArtistTree tree = Functions::BuildArtistTree(model.catalogue.Table());
    if (!tree.diagnostic.isEmpty())
        model.screen.ShowMessage(tree.diagnostic);
    model.screen.views().RebuildTree(tree.nodes);
}

void RebuildModeView(Model &model) { Rebuild(model, ViewModeOf(model.settings.SortBy())); }

void ChooseViewMode(Model &model, SortMode mode)
{
    model.settings.SetSortBy(mode);
    const ViewMode &chosen = ViewModeOf(mode);
    if (model.catalogue.SongCount() > 0) {
        {
            Catalogue::Edit edit(model.catalogue);
            Functions::SortSongs(model.screen, edit.Table(), chosen.sortKey);
        }
        Rebuild(model, chosen);
    }
    model.screen.views().ShowTree(!chosen.listForm);
}
