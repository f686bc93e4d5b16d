// SPDX-License-Identifier: GPL-3.0-or-later
// The song list's rows: one per song, in catalogue order, in one of the key forms.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/song.h"

#include <QStringList>
#include <cstdint>
#include <vector>

namespace Functions {

// The row texts of songs 0..lastIndex in `form`; none for an empty catalogue.
QStringList SongListRows(const std::vector<Song> &songs, int16_t lastIndex, int16_t count, KeyForm form);

} // namespace Functions
