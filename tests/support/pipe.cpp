#include "support/pipe.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {

Pipe::Pipe(const QString &path) : path_(QFile::encodeName(path))
{
    ::mkfifo(path_.constData(), 0644);
    guard_ = std::thread([this] {
        std::unique_lock lock(mutex_);
        while (!done_cv_.wait_for(lock, std::chrono::seconds(2), [this] { return done_; })) {
            // Opening for writing without blocking succeeds only while a reader waits.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                blockedReader_ = true;
                ::close(fd);
            }
        }
    });
}

Pipe::~Pipe()
{
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    done_cv_.notify_all();
    guard_.join();
}

} // namespace TestSupport
