#include "support/catalogue.h"

#include "core/state/globals.h"
#include "core/state/screen.h"

namespace TestSupport {

void SetCatalogue(std::initializer_list<TestSong> songs)
{
    Songs.clear();
    SongCount = 0;
    LastSongIndex = 0;
    for (const TestSong &s : songs)
        AppendSong(Songs, LastSongIndex, SongCount) = {s.path.section(QLatin1Char('/'), -1), s.path, 0, s.artist, s.name};
    Screen::views().RebuildTree();
    Screen::views().RefillList(QStringLiteral("AS"));
}

void MakeCatalogue(int count)
{
    Songs.clear();
    SongCount = 0;
    LastSongIndex = 0;
    for (int i = 0; i < count; ++i)
        AppendSong(Songs, LastSongIndex, SongCount) = {QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i),
                                                       0, QStringLiteral("Artist"), QStringLiteral("Song %1").arg(i)};
}

} // namespace TestSupport
