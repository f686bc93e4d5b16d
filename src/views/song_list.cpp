#include "views/song_list.h"

#include "state/globals.h"
#include "state/trim_spaces.h"

#include <QListWidget>
#include <QStringList>

namespace Functions {

namespace {
enum class Form { ArtistSong, SongArtist, FileName };

QString RowText(const Song &song, Form form)
{
    const QString separator = QStringLiteral(", ");
    switch (form) {
    case Form::ArtistSong:
        return TrimSpaces(song.Artist) + separator + TrimSpaces(song.SongName);
    case Form::SongArtist:
        return TrimSpaces(song.SongName) + separator + TrimSpaces(song.Artist);
    case Form::FileName:
        break;
    }
    return TrimSpaces(song.ShortName);
}
} // namespace

void FillSongList(QListWidget &list, const std::vector<Song> &songs, const int16_t &lastIndex, const QString &form)
{
    list.clear();
    Form rowForm;
    if (form == QLatin1String("AS"))
        rowForm = Form::ArtistSong;
    else if (form == QLatin1String("SA"))
        rowForm = Form::SongArtist;
    else if (form == QLatin1String("F"))
        rowForm = Form::FileName;
    else
        return;
    if (SongCount == 0)
        return;

    QStringList rows;
    rows.reserve(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i)
        rows.append(RowText(songs.at(static_cast<std::size_t>(i)), rowForm));
    // One insertion with painting held back costs a fraction of row-by-row adds.
    list.setUpdatesEnabled(false);
    list.addItems(rows);
    list.setUpdatesEnabled(true);
}

} // namespace Functions
