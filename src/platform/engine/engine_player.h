// SPDX-License-Identifier: GPL-3.0-or-later
// The media component of this system, on its owner's thread: each call posts a
// command to the engine's thread and returns, and every reading is what the
// engine's notices last said, so that no call waits on GStreamer. Notices about
// a file since replaced, or about positions a later seek or Stop left behind, are
// dropped.
#pragma once

#include "platform/engine/notice.h"
#include "platform/media_player.h"

#include <QElapsedTimer>
#include <memory>

namespace Platform::Engine {

class EngineThread;

class EnginePlayer : public MediaPlayer {
    Q_OBJECT
public:
    explicit EnginePlayer(QObject *parent = nullptr);
    ~EnginePlayer() override;

    void Open(const QString &path) override;
    int32_t ReadyState() const override { return ready_; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    int32_t PlayState() const override { return state_; }
    double CurrentPosition() const override;
    void SetCurrentPosition(double seconds) override;
    double Duration() const override { return duration_; }
    OpenedFile Opened() const override { return file_; }
    void SetVolume(int32_t volume) override;

private:
    // What the commands reach on the engine's thread.
    struct Side;
    // Where the engine's thread delivers notices, as long as this player lives.
    struct Mailbox;

    void Receive(const Notice &notice);
    // Changes the play state and announces it, once the file is loaded.
    void SetState(int32_t state);
    // The position as the engine or a command last gave it, from now on.
    void SetPosition(double seconds);
    void Announce(int32_t state);

    std::shared_ptr<Side> side_;
    std::shared_ptr<Mailbox> mailbox_;
    std::unique_ptr<EngineThread> thread_;
    OpenedFile file_;
    int32_t ready_ = Uninitialized;
    int32_t state_ = Stopped;
    // The state last announced.
    int32_t announced_ = Stopped;
    // The position last given, and since when: a loaded file that plays moves on from
    // there with the clock between the engine's readings.
    double position_ = 0;
    QElapsedTimer positionAge_;
    double duration_ = 0;
    // The last timeline asked for: by Open, Stop or a seek.
    uint64_t timeline_ = 0;
};

} // namespace Platform::Engine
