// Sorting the catalogue by one of the keys "AS", "SA" or "F".
#pragma once

#include "core/state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace Functions {

// Orders songs lo..hi by the key "AS", "SA" or "F" (case-insensitive, in the
// user's locale), with progress shown; a range of one song is left alone.
void SortSongs(int16_t lo, int16_t hi, std::vector<Song> &songs, const QString &key);

} // namespace Functions
