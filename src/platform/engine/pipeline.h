// SPDX-License-Identifier: GPL-3.0-or-later
// GStreamer's playbin, driven on the engine's thread alone: a new file goes READY,
// then its uri, then PLAYING; the bus is read on this thread too, and what it says
// goes out as notices. No code of ours runs on a streaming thread.
#pragma once

#include "platform/engine/notice.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct _GstElement;
struct _GstBus;
struct _GstMessage;
struct _GSource;

namespace Platform::Engine {

class Pipeline {
public:
    using Notify = std::function<void(Notice)>;
    // Made on the engine's thread, whose default main context then reads the bus.
    explicit Pipeline(Notify notify);
    ~Pipeline();
    Pipeline(const Pipeline &) = delete;
    Pipeline &operator=(const Pipeline &) = delete;

    // Loads `file` (in the file-name encoding) and plays it once loaded; an empty
    // name fails at once.
    void Open(uint64_t opening, uint64_t timeline, const std::string &file);
    // These act on the file of `opening` only; a command for a file since replaced is dropped.
    void Play(uint64_t opening);
    void Pause(uint64_t opening);
    void Stop(uint64_t opening, uint64_t timeline);
    void Seek(uint64_t opening, uint64_t timeline, double seconds);
    // Decibels; minus infinity is silence.
    void SetVolume(double decibels);

private:
    enum class Target { Stopped, Paused, Playing };
    struct PendingSeek {
        double seconds;
        uint64_t timeline;
    };

    static int OnBusMessage(_GstBus *bus, _GstMessage *message, void *self);
    static int OnTick(void *self);
    void Handle(_GstMessage *message);
    // Once the pipeline has finished the change or seek under way: what was asked for meanwhile.
    void Settle();
    // Playback ended, at the file's end or at a failure (`why` not empty).
    void Finish(const std::string &why);
    void SetTarget(Target target);
    void Apply();
    // READY, with the messages of what came before dropped from the bus.
    void Reset();
    void StartPendingSeek();
    double Position() const;
    double Duration() const;
    void Send(Notice::Kind kind, double seconds, uint64_t timeline, std::string detail = {}) const;

    Notify notify_;
    _GstElement *playbin_ = nullptr;
    _GSource *busWatch_ = nullptr;
    _GSource *ticks_ = nullptr;
    uint64_t opening_ = 0;
    // The timeline playback follows now: a requested seek counts once it is made.
    uint64_t timeline_ = 0;
    Target target_ = Target::Stopped;
    bool loaded_ = false;
    // Stopped by the end of the file (or a failure in it) rather than by Stop.
    bool ended_ = false;
    // A state change or a seek is under way. Changes and seeks asked for meanwhile wait
    // for it to end, so that the pipeline does one thing at a time and the position a
    // seek reached is read once that seek is done.
    bool inFlight_ = false;
    std::optional<uint64_t> seekInFlight_;
    std::optional<PendingSeek> pendingSeek_;
};

} // namespace Platform::Engine
