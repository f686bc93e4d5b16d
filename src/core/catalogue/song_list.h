// The song list's rows: one per song, in catalogue order, in the forms "AS", "SA" or "F".
#pragma once

#include "core/state/song.h"

#include <QStringList>
#include <cstdint>
#include <vector>

namespace Functions {

// The row texts of songs 0..lastIndex in `form`; none for an empty catalogue or a
// form other than "AS", "SA" and "F".
QStringList SongListRows(const std::vector<Song> &songs, int16_t lastIndex, int16_t count, const QString &form);

} // namespace Functions
