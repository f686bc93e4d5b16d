#include "core/catalogue/add_songs.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/tag_sort.h"
#include "core/state/globals.h"

void AddDirectorySongs(const QString &startDir)
{
    const bool complete = Functions::WalkDirectories(startDir, Songs, LastSongIndex, SongCount);
    // The tags are read on worker threads while this thread rebuilds the tree: the
    // workers only read the paths and fill a table of their own, so the tree still
    // shows the songs as the walk left them.
    Functions::TagPass tags(Songs, LastSongIndex, SongCount);
    Functions::FinishScan(complete);
    TagSort(tags);
}
