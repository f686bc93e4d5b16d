// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the catalogue in one of the key forms.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/screen.h"
#include "core/state/song.h"

#include <cstdint>
#include <vector>

namespace Functions {

// Orders songs lo..hi by their keys in `form` (case-insensitive, in the user's
// locale), with progress shown on `screen`; a range of one song is left alone.
void SortSongs(Screen::Surface &screen, int16_t lo, int16_t hi, std::vector<Song> &songs, KeyForm form);

} // namespace Functions
