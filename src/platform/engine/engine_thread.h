// SPDX-License-Identifier: GPL-3.0-or-later
// The media engine's own thread: a GLib main loop on a context of its own, which
// runs the work posted to it one piece after another, in the order posted.
#pragma once

#include <functional>
#include <memory>
#include <thread>

namespace Platform::Engine {

class EngineThread {
public:
    EngineThread();
    // Runs what was posted, then ends the thread. A thread stuck in its work is
    // waited for a while only, then left to end alone.
    ~EngineThread();
    EngineThread(const EngineThread &) = delete;
    EngineThread &operator=(const EngineThread &) = delete;

    // Never waits for the thread: the work runs there later. Safe from any thread.
    void Post(std::function<void()> work);

private:
    // What the thread and its owner share: it outlives the owner when the thread is left behind.
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace Platform::Engine
