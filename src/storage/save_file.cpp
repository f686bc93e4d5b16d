#include "storage/save_file.h"

#include "platform/message_box.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace Functions {

namespace {
void reportFailure(const QString &path, const QString &reason)
{
    Platform::ShowMessage(QStringLiteral("File %1 could not be saved:\n%2").arg(QDir::toNativeSeparators(path), reason));
}
} // namespace

bool WriteWholeFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reportFailure(path, file.errorString());
        return false;
    }
    if (file.write(contents) != contents.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        reportFailure(path, reason);
        return false;
    }
    return true;
}

bool DeleteFileIfPresent(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    Platform::ShowMessage(QStringLiteral("File %1 could not be deleted:\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

} // namespace Functions
