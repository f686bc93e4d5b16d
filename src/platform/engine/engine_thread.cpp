// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/engine/engine_thread.h"

#include <glib.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace Platform::Engine {

namespace {
// How long the owner waits at the end for the thread's last work, a pipeline's teardown.
constexpr auto EndPatience = std::chrono::seconds(3);
} // namespace

struct EngineThread::Shared {
    GMainContext *context = g_main_context_new();
    GMainLoop *loop = g_main_loop_new(context, FALSE);
    std::mutex mutex;
    std::condition_variable ended;
    std::deque<std::function<void()>> posted;
    // An idle source that runs the posted work is attached and has not started yet.
    bool scheduled = false;
    bool done = false;

    ~Shared()
    {
        g_main_loop_unref(loop);
        g_main_context_unref(context);
    }

    // Runs the work posted so far; work posted meanwhile schedules another round.
    static gboolean RunPosted(gpointer data)
    {
        auto *shared = static_cast<Shared *>(data);
        std::deque<std::function<void()>> batch;
        {
            std::lock_guard lock(shared->mutex);
            batch.swap(shared->posted);
            shared->scheduled = false;
        }
        for (const std::function<void()> &work : batch)
            work();
        return G_SOURCE_REMOVE;
    }
};

EngineThread::EngineThread() : shared_(std::make_shared<Shared>())
{
    thread_ = std::thread([shared = shared_] {
        // GStreamer attaches the bus watch and timers of this thread to its default context.
        g_main_context_push_thread_default(shared->context);
        g_main_loop_run(shared->loop);
        g_main_context_pop_thread_default(shared->context);
        {
            std::lock_guard lock(shared->mutex);
            shared->done = true;
        }
        shared->ended.notify_all();
    });
}

EngineThread::~EngineThread()
{
    Post([loop = shared_->loop] { g_main_loop_quit(loop); });
    std::unique_lock lock(shared_->mutex);
    if (shared_->ended.wait_for(lock, EndPatience, [this] { return shared_->done; })) {
        lock.unlock();
        thread_.join();
    } else {
        thread_.detach();
    }
}

void EngineThread::Post(std::function<void()> work)
{
    std::lock_guard lock(shared_->mutex);
    shared_->posted.push_back(std::move(work));
    if (shared_->scheduled)
        return;
    shared_->scheduled = true;
    GSource *source = g_idle_source_new();
    g_source_set_callback(source, &Shared::RunPosted, shared_.get(), nullptr);
    g_source_attach(source, shared_->context);
    g_source_unref(source);
}

} // namespace Platform::Engine
