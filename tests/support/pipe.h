// A named pipe nobody writes to, for tests of readers that must not wait on one.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace TestSupport {

// Makes the pipe at `path`. A reader stuck opening it would hang the test, so a
// guard opens it for writing every two seconds, which frees such a reader and is noted.
class Pipe {
public:
    explicit Pipe(const QString &path);
    ~Pipe();
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;

    // Whether a reader was found waiting on the pipe.
    bool blockedAReader() const { return blockedReader_; }

private:
    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable done_cv_;
    bool done_ = false;
    std::atomic<bool> blockedReader_ = false;
    std::thread guard_;
};

} // namespace TestSupport
