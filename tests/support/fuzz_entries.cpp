// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fuzz_entries.h"

#include "core/catalogue/tags.h"
#include "core/storage/playlist.h"
#include "core/storage/settings.h"
#include "platform/app_dir.h"

#include <QtCore>
#include <stdexcept>

namespace Fuzz {

namespace {
QTemporaryDir *directory = nullptr;

// The path, in the file-name encoding, of a song file holding `bytes`.
QByteArray SongFile(const QByteArray &bytes)
{
    QFile file(directory->filePath("song.mp3"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the fuzz input");
    return QFile::encodeName(file.fileName());
}
} // namespace

void Prepare()
{
    if (directory)
        return;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "korvel-fuzz", *argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    // A file system in memory, where there is one, keeps the disk out of every run.
    const QString memory = QStringLiteral("/dev/shm");
    directory = QFileInfo(memory).isWritable() ? new QTemporaryDir(memory + "/korvel-fuzz-XXXXXX") : new QTemporaryDir;
    Platform::SetApplicationDirectory(directory->path());
}

void Playlist(const QByteArray &bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    static SongTable songs;
    static Screen::Surface screen;
    Functions::LoadPlaylist(screen, file, songs);
    const int count = songs.SongCount();
    if (count < 0 || (count > 0 && songs.LastSongIndex() != count - 1) || songs.Songs().size() < static_cast<std::size_t>(count))
        throw std::logic_error("the catalogue's counters disagree after a load");
}

void Tag(const QByteArray &bytes)
{
    const TagRecord tag = Functions::ReadTag(SongFile(bytes));
    const QString title = Functions::CleanTagText(tag.Title.data(), tag.Title.size());
    const QString artist = Functions::CleanTagText(tag.Artist.data(), tag.Artist.size());
    if (title.isEmpty() && artist.isEmpty() && bytes.size() < 128)
        throw std::logic_error("a short file lost its fallback titles");
    if (title.size() > 30 || artist.size() > 30 || title.startsWith(' ') || artist.endsWith(' '))
        throw std::logic_error("a tag text is wider than its field or not trimmed");
}

void Id3v2(const QByteArray &bytes)
{
    const Functions::TagTexts texts = Functions::ReadId3v2Texts(SongFile(bytes));
    for (const QString &text : {texts.artist, texts.songName})
        if (text.isEmpty() || text.startsWith(' ') || text.endsWith(' ') || text.contains(QChar()))
            throw std::logic_error("an ID3v2 text is empty, not trimmed or holds a NUL");
}

void Settings(const QByteArray &bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    ::Settings settings;
    Functions::ReadSettings(settings, &file);
    if (settings.CdDrive().isEmpty() || settings.SongsStartDir().isEmpty() || settings.FontSize() == 0)
        throw std::logic_error("a setting was left without its default");
}

} // namespace Fuzz
