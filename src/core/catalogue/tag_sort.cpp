#include "core/catalogue/tag_sort.h"

#include "core/catalogue/sort.h"
#include "core/catalogue/tags.h"
#include "core/catalogue/view_modes.h"
#include "core/state/globals.h"

void TagSort()
{
    Functions::TagPass tags(Songs, LastSongIndex, SongCount);
    TagSort(tags);
}

void TagSort(Functions::TagPass &tags)
{
    if (SongCount == 0)
        return;
    tags.Finish(Songs);
    Functions::SortSongs(0, LastSongIndex, Songs, QStringLiteral("AS"));
    RebuildModeView();
}
