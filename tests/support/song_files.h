// SPDX-License-Identifier: GPL-3.0-or-later
// Small files that end in an ID3v1 tag, and other files tests put in the way.
#pragma once

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace TestSupport {

// A 128-byte ID3v1 tag: header, then title and artist each NUL-padded to 30 bytes.
inline QByteArray TagBytes(const QByteArray &title, const QByteArray &artist, const QByteArray &header = "TAG")
{
    return header.left(3) + title.leftJustified(30, '\0', true) + artist.leftJustified(30, '\0', true) + QByteArray(65, '\0');
}

// Writes `contents` to `path`, making the directories on the way.
inline void WriteFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

// A file of some filler bytes followed by a tag.
inline void WriteSong(const QString &path, const QByteArray &title, const QByteArray &artist)
{
    WriteFile(path, QByteArray(200, 'x') + TagBytes(title, artist));
}

// A named pipe that nobody writes to: a reader that waits on it hangs the test.
inline void MakePipe(const QString &path) { ::mkfifo(QFile::encodeName(path).constData(), 0644); }

} // namespace TestSupport
