// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/playlist.h"

#include "core/state/catalogue.h"
#include "core/state/counter.h"
#include "core/state/number_text.h"
#include "core/storage/field_reader.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"
#include "platform/regular_file.h"

#include <QFile>

namespace Functions {

bool SavePlaylist(Screen::Surface &screen, const QString &fileName, const std::vector<Song> &songs, int16_t lastIndex)
{
    QByteArray text;
    text.reserve((lastIndex + 1) * 128);
    for (int i = 0; i <= lastIndex; ++i) {
        const Song &song = songs.at(static_cast<std::size_t>(i));
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

void LoadPlaylist(Screen::Surface &screen, const QString &path, std::vector<Song> &songs, int16_t &lastIndex,
                  int16_t &count)
{
    QFile file;
    if (Platform::OpenRegularFile(file, path))
        LoadPlaylist(screen, file, songs, lastIndex, count);
}

void LoadPlaylist(Screen::Surface &screen, QIODevice &file, std::vector<Song> &songs, int16_t &lastIndex,
                  int16_t &count)
{
    FieldReader reader(file);
    count = 0;
    ProgressReport progress(screen, QStringLiteral("Loading Play List"), QStringLiteral("0"), GroupedNumber(lastIndex));
    try {
        while (!reader.AtEnd()) {
            Song &song = AppendSong(songs, lastIndex, count);
            for (QString *field : {&song.Artist, &song.SongName, &song.LongName, &song.ShortName}) {
                if (reader.Next(*field) != FieldReader::Status::Ok)
                    return;
            }
            const QString read = QString::number(count);
            progress.SetCounts(read, read);
        }
    } catch (const CounterOverflow &) {
        // The catalogue is full: keep the 32,767 songs read.
    }
}

} // namespace Functions
