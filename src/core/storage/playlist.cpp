// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/playlist.h"

#include "core/state/counter.h"
#include "core/state/number_text.h"
#include "core/storage/field_reader.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"
#include "platform/regular_file.h"

#include <QFile>

namespace Functions {

bool SavePlaylist(Screen::Surface &screen, const QString &fileName, const SongTable &songs)
{
    QByteArray text;
    text.reserve((songs.LastSongIndex() + 1) * 128);
    for (int i = 0; i <= songs.LastSongIndex(); ++i) {
        const Song &song = songs.Songs().at(static_cast<std::size_t>(i));
        AppendQuotedField(text, song.Artist);
        text += ',';
        AppendQuotedField(text, song.SongName);
        text += ',';
        AppendQuotedField(text, song.LongName);
        text += ',';
        AppendQuotedField(text, song.ShortName);
        text += "\r\n";
    }
    return WriteWholeFile(screen, Platform::ApplicationFile(fileName), text);
}

void LoadPlaylist(Screen::Surface &screen, const QString &path, SongTable &songs)
{
    QFile file;
    if (Platform::OpenRegularFile(file, path))
        LoadPlaylist(screen, file, songs);
}

void LoadPlaylist(Screen::Surface &screen, QIODevice &file, SongTable &songs)
{
    FieldReader reader(file);
    songs.ResetCount();
    ProgressReport progress(screen, QStringLiteral("Loading Play List"), QStringLiteral("0"),
                            GroupedNumber(songs.LastSongIndex()));
    try {
        while (!reader.AtEnd()) {
            Song &song = songs.Append();
            for (QString *field : {&song.Artist, &song.SongName, &song.LongName, &song.ShortName}) {
                if (reader.Next(*field) != FieldReader::Status::Ok)
                    return;
            }
            const QString read = QString::number(songs.SongCount());
            progress.SetCounts(read, read);
        }
    } catch (const CounterOverflow &) {
        // The catalogue is full: keep the 32,767 songs read.
    }
}

} // namespace Functions
