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
    static constexpr auto Pause = std::chrono::milliseconds(50);

    // `story` tells, in the message of a freeze, what the test was doing.
    explicit WindowWatchdog(std::function<QString()> story) : story_(std::move(story))
    {
        thread_ = std::thread([this] { Watch(); });
    }
    ~WindowWatchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    int Probes() const
    {
        std::lock_guard lock(mutex_);
        return answered_;
    }

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            const int probe = ++asked_;
            QMetaObject::invokeMethod(&receiver_, [this, probe] { Answer(probe); }, Qt::QueuedConnection);
            if (!changed_.wait_for(lock, Patience, [&] { return stop_ || answered_ == probe; }))
                qFatal("the window's thread did not answer for %lld s: %s", qlonglong(Patience.count()),
                       qPrintable(story_()));
            changed_.wait_for(lock, Pause, [&] { return stop_; });
        }
    }
    void Answer(int probe)
    {
        {
            std::lock_guard lock(mutex_);
            answered_ = probe;
        }
        changed_.notify_all();
    }

    std::function<QString()> story_;
    // Lives on the window's thread: the probes are delivered there.
    QObject receiver_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int asked_ = 0;
    int answered_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace TestSupport
