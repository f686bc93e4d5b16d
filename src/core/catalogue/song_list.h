// SPDX-License-Identifier: GPL-3.0-or-later
// The song list's rows: one per song, in catalogue order, in one of the key forms.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/song_table.h"

#include <QStringList>

namespace Functions {

// The row texts of the songs in `form`; none without songs.
QStringList SongListRows(const SongTable &songs, KeyForm form);

} // namespace Functions
