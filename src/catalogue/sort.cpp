#include "catalogue/sort.h"

namespace Functions {

void SortSongs(int16_t, int16_t, std::vector<Song> &, const QString &) {}

} // namespace Functions
