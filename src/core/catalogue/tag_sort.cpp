#include "core/catalogue/tag_sort.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/sort.h"
#include "core/catalogue/tags.h"
#include "core/catalogue/view_modes.h"
#include "core/state/globals.h"

namespace {
// TagSort with the tags already being read by `tags`, started on the catalogue as it is.
void TagSort(Functions::TagPass &tags)
{
    if (SongCount == 0)
        return;
    tags.Finish(Songs);
    Functions::SortSongs(0, LastSongIndex, Songs, QStringLiteral("AS"));
    RebuildModeView();
}
} // namespace

void TagSort()
{
    Functions::TagPass tags(Songs, LastSongIndex, SongCount);
    TagSort(tags);
}

void FinishAddition(bool complete)
{
    // The tags are read on worker threads while this thread rebuilds the tree: the
    // workers only read the paths and fill a table of their own, so the tree still
    // shows the songs as the addition left them.
    Functions::TagPass tags(Songs, LastSongIndex, SongCount);
    Functions::FinishScan(complete);
    TagSort(tags);
}
