#include "core/catalogue/add_songs.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/tag_sort.h"
#include "core/state/globals.h"

void AddDirectorySongs(const QString &startDir)
{
    FinishAddition(Functions::WalkDirectories(startDir, Songs, LastSongIndex, SongCount));
}
