// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Platform {

namespace {
QString overrideDir;

// An installed program finds its desktop entry where the install put it beside the
// program; a build tree or a copy made by hand has none there.
bool IsInstalledCopy(const QString &programDir)
{
    return QFileInfo::exists(programDir + QStringLiteral("/" KORVEL_ENTRY_FROM_PROGRAM));
}
} // namespace

QString FilesDirectoryFor(const QString &programDir)
{
    if (QFileInfo(programDir).isWritable() && !IsInstalledCopy(programDir))
        return programDir;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/korvel");
}

QString ApplicationDirectory()
{
    if (!overrideDir.isEmpty())
        return overrideDir;
    static const QString chosen = FilesDirectoryFor(QCoreApplication::applicationDirPath());
    return chosen;
}

QString ApplicationFile(const QString &name)
{
    return ApplicationDirectory() + QDir::separator() + name;
}

void SetApplicationDirectory(const QString &dir) { overrideDir = dir; }

} // namespace Platform
