#include "support/catalogue.h"

#include "app/main_window.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "views/artist_tree.h"

#include <QListWidget>

namespace TestSupport {

void SetCatalogue(Main &main, std::initializer_list<TestSong> songs)
{
    Songs.clear();
    SongCount = 0;
    LastSongIndex = 0;
    const QSignalBlocker quiet(main.List1);
    main.List1->clear();
    for (const TestSong &s : songs) {
        Song &song = AppendSong(Songs, LastSongIndex, SongCount);
        song.Artist = s.artist;
        song.SongName = s.name;
        song.LongName = s.path;
        song.ShortName = s.path.section(QLatin1Char('/'), -1);
        main.List1->addItem(s.artist.trimmed() + QStringLiteral(", ") + s.name.trimmed());
    }
    Functions::BuildArtistTree(*main.TreeView1, Songs, LastSongIndex);
}

} // namespace TestSupport
