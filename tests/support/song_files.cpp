#include "support/song_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace TestSupport {

QByteArray TagBytes(const QByteArray &title, const QByteArray &artist, const QByteArray &header)
{
    auto field = [](QByteArray text) {
        text.truncate(30);
        return text + QByteArray(30 - text.size(), '\0');
    };
    return header.left(3) + field(title) + field(artist) + QByteArray(65, '\0');
}

void WriteFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

void MakePipe(const QString &path) { ::mkfifo(QFile::encodeName(path).constData(), 0644); }

} // namespace TestSupport
