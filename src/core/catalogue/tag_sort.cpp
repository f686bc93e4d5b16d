#include "core/catalogue/tag_sort.h"

#include "core/catalogue/sort.h"
#include "core/catalogue/tags.h"
#include "core/catalogue/view_modes.h"
#include "core/state/globals.h"

void TagSort()
{
    if (SongCount == 0)
        return;
    Functions::TagSongs(Songs, LastSongIndex, SongCount);
    Functions::SortSongs(0, LastSongIndex, Songs, QStringLiteral("AS"));
    RebuildModeView();
}
