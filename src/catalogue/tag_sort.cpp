// Tag, sort and redraw the catalogue after songs were added.
#include "app/main_window.h"
#include "catalogue/sort.h"
#include "catalogue/tags.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "views/artist_tree.h"
#include "views/song_list.h"

void Main::TagSort()
{
    if (SongCount == 0)
        return;
    Functions::TagSongs(Songs, LastSongIndex, SongCount);
    Functions::SortSongs(0, LastSongIndex, Songs, QStringLiteral("AS"));
    if (SortBy == QLatin1String("TAS"))
        Functions::BuildArtistTree(*TreeView1, Songs, LastSongIndex);
    else if (SortBy == QLatin1String("LAS"))
        Functions::FillSongList(*List1, Songs, LastSongIndex, QStringLiteral("AS"));
    else if (SortBy == QLatin1String("LSA"))
        Functions::FillSongList(*List1, Songs, LastSongIndex, QStringLiteral("SA"));
    else if (SortBy == QLatin1String("LF"))
        Functions::FillSongList(*List1, Songs, LastSongIndex, QStringLiteral("F"));
}
