// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the catalogue in one of the key forms.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/screen.h"
#include "core/state/song_table.h"

namespace Functions {

// Orders the songs by their keys in `form` (case-insensitive, in the user's locale),
// with progress shown on `screen`; a single song is left alone.
void SortSongs(Screen::Surface &screen, SongTable &songs, KeyForm form);

} // namespace Functions
