// Tag, sort and redraw the catalogue after songs were added.
#include "app/main_window.h"
#include "catalogue/sort.h"
#include "catalogue/tags.h"
#include "dialogs/view_modes.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "views/artist_tree.h"
#include "views/song_list.h"

void Main::TagSort()
{
    if (SongCount == 0)
        return;
    Functions::TagSongs(Songs, LastSongIndex, SongCount);
    // Artist then song in every mode; choosing a list mode again sorts by its own key.
    Functions::SortSongs(0, LastSongIndex, Songs, QStringLiteral("AS"));
    const Dialogs::ViewMode *mode = Dialogs::FindViewMode(SortBy);
    if (!mode)
        return;
    if (mode->listForm.isEmpty())
        Functions::BuildArtistTree(*TreeView1, Songs, LastSongIndex);
    else
        Functions::FillSongList(*List1, Songs, LastSongIndex, mode->listForm);
}
