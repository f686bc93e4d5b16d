#include "support/test_app.h"

#include "platform/app_dir.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>

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


FileSizeLimit::FileSizeLimit(long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previous_ = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previous_);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace TestSupport
