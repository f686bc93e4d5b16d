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

QStringList SongListRows(const SongTable &songs, KeyForm form)
{
    QStringList rows;
    if (songs.SongCount() == 0)
        return rows;
    rows.reserve(songs.LastSongIndex() + 1);
    for (int i = 0; i <= songs.LastSongIndex(); ++i)
        rows.append(RowText(songs.Songs().at(static_cast<std::size_t>(i)), form));
    return rows;
}

} // namespace Functions
