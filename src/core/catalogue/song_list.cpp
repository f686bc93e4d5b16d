// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/song_list.h"

#include "core/state/trim_spaces.h"

#include <QStringBuilder>

namespace Functions {

namespace {
QString RowText(const Song &song, KeyForm form)
{
    // Joined in one step: one allocation a row, not one for each part added.
    const QLatin1String separator(", ");
    switch (form) {
    case KeyForm::ArtistSong:
        return TrimSpaces(song.Artist) % separator % TrimSpaces(song.SongName);
    case KeyForm::SongArtist:
        return TrimSpaces(song.SongName) % separator % TrimSpaces(song.Artist);
    case KeyForm::FileName:
        break;
    }
    return TrimSpaces(song.ShortName);
}
} // namespace

QStringList SongListRows(const std::vector<Song> &songs, int16_t lastIndex, int16_t count, KeyForm form)
{
    QStringList rows;
    if (count == 0)
        return rows;
    rows.reserve(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i)
        rows.append(RowText(songs.at(static_cast<std::size_t>(i)), form));
    return rows;
}

} // namespace Functions
