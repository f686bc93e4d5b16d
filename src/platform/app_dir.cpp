#include "platform/app_dir.h"

#include <QCoreApplication>
#include <QDir>

namespace Platform {

namespace {
QString overrideDir;
}

QString ApplicationDirectory()
{
    return overrideDir.isEmpty() ? QCoreApplication::applicationDirPath() : overrideDir;
}

QString ApplicationFile(const QString &name)
{
    return ApplicationDirectory() + QDir::separator() + name;
}

void SetApplicationDirectory(const QString &dir) { overrideDir = dir; }

} // namespace Platform
