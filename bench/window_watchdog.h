// SPDX-License-Identifier: GPL-3.0-or-later
// A thread that keeps asking the window's thread to answer and counts the answers that
// came late: the engine benchmark's freezes, and the engine test's failures.
#pragma once

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class WindowWatchdog {
public:
    // How long the window's thread may take to answer before it counts as frozen.
    static constexpr auto Patience = std::chrono::seconds(2);

    // `late` runs on the watchdog's thread when an answer is late, before it waits on
    // for that answer: a window that froze for good never gives it.
    explicit WindowWatchdog(std::function<void()> late = {}) : late_(std::move(late)), thread_([this] { Watch(); }) {}
    ~WindowWatchdog()
    {
        Answer(stop_, true);
        thread_.join();
    }
    WindowWatchdog(const WindowWatchdog &) = delete;
    WindowWatchdog &operator=(const WindowWatchdog &) = delete;

    int Freezes()
    {
        std::lock_guard lock(mutex_);
        return freezes_;
    }

private:
    static constexpr auto Interval = std::chrono::milliseconds(20);

    template <class T>
    void Answer(T &field, T value)
    {
        std::lock_guard lock(mutex_);
        field = value;
        changed_.notify_all();
    }
    void Watch()
    {
        std::unique_lock lock(mutex_);
        for (int probe = 1; !stop_; ++probe) {
            QMetaObject::invokeMethod(&receiver_, [this, probe] { Answer(answered_, probe); }, Qt::QueuedConnection);
            const auto answered = [&] { return stop_ || answered_ == probe; };
            if (!changed_.wait_for(lock, Patience, answered)) {
                ++freezes_;
                if (late_)
                    late_();
                changed_.wait(lock, answered);
            }
            changed_.wait_for(lock, Interval, [&] { return stop_; });
        }
    }

    std::function<void()> late_;
    // Lives on the window's thread: the probes are answered there.
    QObject receiver_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int answered_ = 0, freezes_ = 0;
    bool stop_ = false;
    std::thread thread_;
};
