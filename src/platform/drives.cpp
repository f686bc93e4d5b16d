// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drives.h"

#include <QDir>
#include <QStorageInfo>

namespace Platform {

namespace {
QStringList standInRoots;
} // namespace

QStringList DriveRoots()
{
    if (!standInRoots.isEmpty())
        return standInRoots;
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots.append(volume.rootPath());
    }
    // A root mounted over again shows once.
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

QString RootForm(const QString &drive)
{
    QString root = QDir::cleanPath(QDir::fromNativeSeparators(drive));
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return root;
}

QString DriveOf(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QString form = RootForm(path);
    QString best;
    qsizetype bestLength = -1;
    for (const QString &root : DriveRoots()) {
        const QString rootForm = RootForm(root);
        if (form.startsWith(rootForm) && rootForm.size() > bestLength) {
            best = root;
            bestLength = rootForm.size();
        }
    }
    return best;
}

void SetDriveRoots(const QStringList &roots) { standInRoots = roots; }

} // namespace Platform
