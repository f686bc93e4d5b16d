// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting a song of the catalogue, and clearing the catalogue with its selection.
#pragma once

#include "core/state/model.h"

// Makes song `index` the selected song, its path without surrounding spaces. An
// index outside the catalogue selects nothing; returns whether it selected.
bool SelectSong(Model &model, int index);

// Empties the catalogue: one blank record, no songs, nothing selected. The queue,
// the current and previous songs and the player are left as they are.
void ClearCatalogue(Model &model);
