// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Functions {

namespace {
void reportFailure(Screen::Surface &screen, const QString &path, const QString &reason)
{
    screen.ShowMessage(QStringLiteral("File %1 could not be saved:\n%2").arg(QDir::toNativeSeparators(path), reason));
}
} // namespace

bool WriteWholeFile(Screen::Surface &screen, const QString &path, const QByteArray &contents)
{
    // The folder of the user's data is made by the first save.
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Unbuffered, so that a short write (a full disk) is seen here and retried until
    // the system names its reason, instead of being lost in a later flush.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reportFailure(screen, path, file.errorString());
        return false;
    }
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 n = file.write(contents.constData() + written, contents.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            reportFailure(screen, path, reason);
            return false;
        }
        written += n;
    }
    if (!file.commit()) {
        reportFailure(screen, path, file.errorString());
        return false;
    }
    return true;
}

void DeleteFileIfPresent(Screen::Surface &screen, const QString &path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        screen.ShowMessage(QStringLiteral("File %1 could not be deleted:\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace Functions
