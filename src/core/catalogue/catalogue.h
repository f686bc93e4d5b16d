// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing and clearing the songs of the catalogue.
#pragma once

#include "core/state/model.h"

#include <QString>

// Makes song `index` the selected song, its path without surrounding spaces. An
// index outside the catalogue selects nothing; returns whether it selected.
bool SelectSong(Model &model, int index);

// Empties the catalogue: one blank record, no songs, nothing selected. The queue,
// the current and previous songs and the player are left as they are.
void ClearCatalogue(Model &model);

// The text of the song count: "0", or the count in the "#,###" form.
QString SongTotalText(int16_t count);
