#include "views/song_list.h"

#include <QListWidget>

namespace Functions {

void FillSongList(QListWidget &list, const std::vector<Song> &, const int16_t &, const QString &) { list.clear(); }

} // namespace Functions
