// Small files that end in an ID3v1 tag, and other files tests put in the way.
#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {

// A 128-byte ID3v1 tag: header, then title and artist each NUL-padded to 30 bytes.
QByteArray TagBytes(const QByteArray &title, const QByteArray &artist, const QByteArray &header = "TAG");

// Writes `contents` to `path`, making the directories on the way.
void WriteFile(const QString &path, const QByteArray &contents);

// A file of some filler bytes followed by a tag.
inline void WriteSong(const QString &path, const QByteArray &title, const QByteArray &artist)
{
    WriteFile(path, QByteArray(200, 'x') + TagBytes(title, artist));
}

// A named pipe that nobody writes to: a reader that waits on it hangs the test.
void MakePipe(const QString &path);

} // namespace TestSupport
