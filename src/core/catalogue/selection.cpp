// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/selection.h"

#include "core/state/trim_spaces.h"

bool SelectSong(Model &model, int index)
{
    if (!model.catalogue.IsSong(index))
        return false;
    model.pointers.SetSelectedSong({TrimSpaces(model.catalogue.SongAt(index).LongName), static_cast<int16_t>(index)});
    return true;
}

void ClearCatalogue(Model &model)
{
    model.catalogue.Clear();
    model.pointers.SetSelectedSong({QStringLiteral("NULLSONG"), -1});
}
