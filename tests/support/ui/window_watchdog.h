// SPDX-License-Identifier: GPL-3.0-or-later
// A thread that keeps asking the window's thread to answer, and ends the test
// process when an answer is late: a window that froze for good never recovers.
#pragma once

#include <QtCore>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace TestSupport {

class WindowWatchdog {
public:
    // How long the window's thread may take to answer before it counts as frozen.
    static constexpr auto Patience = std::chrono::seconds(2);

    // `story` says, in the message of a freeze, what the test was doing.
    explicit WindowWatchdog(std::function<QString()> story) : story_(std::move(story)), thread_([this] { Watch(); }) {}
    ~WindowWatchdog()
    {
        Set(stop_, true);
        thread_.join();
    }

private:
    template <class T>
    void Set(T &field, T value)
    {
        std::lock_guard lock(mutex_);
        field = value;
        changed_.notify_all();
    }
    void Watch()
    {
        std::unique_lock lock(mutex_);
        for (int probe = 1; !stop_; ++probe) {
            QMetaObject::invokeMethod(&receiver_, [this, probe] { Set(answered_, probe); }, Qt::QueuedConnection);
            if (!changed_.wait_for(lock, Patience, [&] { return stop_ || answered_ == probe; }))
                qFatal("the window's thread did not answer for 2 s: %s", qPrintable(story_()));
            changed_.wait_for(lock, std::chrono::milliseconds(50), [&] { return stop_; });
        }
    }

    std::function<QString()> story_;
    // Lives on the window's thread: the probes are answered there.
    QObject receiver_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int answered_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace TestSupport
