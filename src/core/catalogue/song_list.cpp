#include "core/catalogue/song_list.h"

#include "core/state/trim_spaces.h"

#include <QStringBuilder>

namespace Functions {

namespace {
enum class Form { ArtistSong, SongArtist, FileName };

QString RowText(const Song &song, Form form)
{
    // Joined in one step: one allocation a row, not one for each part added.
    const QLatin1String separator(", ");
    switch (form) {
    case Form::ArtistSong:
        return TrimSpaces(song.Artist) % separator % TrimSpaces(song.SongName);
    case Form::SongArtist:
        return TrimSpaces(song.SongName) % separator % TrimSpaces(song.Artist);
    case Form::FileName:
        break;
    }
    return TrimSpaces(song.ShortName);
}
} // namespace

QStringList SongListRows(const std::vector<Song> &songs, int16_t lastIndex, int16_t count, const QString &form)
{
    Form rowForm;
    if (form == QLatin1String("AS"))
        rowForm = Form::ArtistSong;
    else if (form == QLatin1String("SA"))
        rowForm = Form::SongArtist;
    else if (form == QLatin1String("F"))
        rowForm = Form::FileName;
    else
        return {};
    QStringList rows;
    if (count == 0)
        return rows;
    rows.reserve(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i)
        rows.append(RowText(songs.at(static_cast<std::size_t>(i)), rowForm));
    return rows;
}

} // namespace Functions
