// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/tag_sort.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/sort.h"
#include "core/catalogue/tags.h"
#include "core/catalogue/view_modes.h"

namespace {
// Starts reading the tags of the catalogue as it is, the way the settings say.
Functions::TagPass StartTags(const Model &model)
{
    return Functions::TagPass(model.catalogue.Table(), model.settings.Tags());
}

// TagSort with the tags already being read by `tags`, started on the catalogue as it is.
void TagSort(Model &model, Functions::TagPass &tags)
{
    if (model.catalogue.SongCount() == 0)
        return;
    {
        Catalogue::Edit edit(model.catalogue);
        tags.Finish(model.screen, edit.Table());
        Functions::SortSongs(model.screen, edit.Table(), Functions::KeyForm::ArtistSong);
    }
    RebuildModeView(model);
}
} // namespace

void TagSort(Model &model)
{
    Functions::TagPass tags = StartTags(model);
    TagSort(model, tags);
}

void FinishAddition(Model &model, bool complete)
{
    // The tags are read on worker threads while this thread rebuilds the tree: the
    // workers read their own copy of the paths and fill a table of their own, so the
    // tree still shows the songs as the addition left them.
    Functions::TagPass tags = StartTags(model);
    Functions::FinishScan(model, complete);
    TagSort(model, tags);
}
