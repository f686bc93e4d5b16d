#include "support/test_app.h"

#include "platform/app_dir.h"

#include <QFile>

namespace TestSupport {

AppDir::AppDir() { Platform::SetApplicationDirectory(dir_.path()); }

AppDir::~AppDir() { Platform::SetApplicationDirectory(QString()); }

void AppDir::write(const QString &name, const QByteArray &contents) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(contents);
}

QByteArray AppDir::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace TestSupport
