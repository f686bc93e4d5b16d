// Sorting the catalogue by one of the keys "AS", "SA" or "F".
#pragma once

#include "state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Functions {

void SortSongs(int16_t lo, int16_t hi, std::vector<Song> &songs, const QString &key);

} // namespace Functions
