// The song list: one row per song, in catalogue order, in the forms "AS", "SA" or "F".
#pragma once

#include "state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

class QListWidget;

namespace Functions {

void FillSongList(QListWidget &list, const std::vector<Song> &songs, const int16_t &lastIndex, const QString &form);

} // namespace Functions
