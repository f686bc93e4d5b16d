// SPDX-License-Identifier: GPL-3.0-or-later
// A player double: the tests decide when a file loads or ends, and read back what was asked of it.
#pragma once

#include "platform/failure.h"
#include "platform/media_player.h"

#include <QStringList>
#include <vector>

class FakeMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    int32_t readyOnOpen = Loaded; // the ready state an Open reaches (lower than Loaded: never)
    double duration = 180.0, position = 0;
    QStringList opened;      // every path passed to Open, in order
    std::vector<double> seeks;
    std::vector<int32_t> volumes; // every volume accepted, in order
    int pauseCalls = 0, stopCalls = 0;

    void Open(const QString &path) override
    {
        opened.append(path);
        file_ = {path, file_.opening + 1};
        position = 0;
        ready_ = readyOnOpen;
        if (ready_ == Loaded)
            Load();
    }
    int32_t ReadyState() const override { return ready_; }
    void Play() override { state_ = Playing; }
    void Pause() override { ++pauseCalls, state_ = Paused; }
    void Stop() override { ++stopCalls, state_ = Stopped; }
    int32_t PlayState() const override { return state_; }
    double CurrentPosition() const override { return position; }
    void SetCurrentPosition(double seconds) override { seeks.push_back(position = seconds); }
    double Duration() const override { return duration; }
    OpenedFile Opened() const override { return file_; }
    void SetVolume(int32_t volume) override
    {
        if (volume < -10000 || volume > 0)
            throw Platform::Failure(Platform::ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value"), QStringLiteral("MediaPlayer"));
        volumes.push_back(volume);
    }

    // The open file loads, as the engine announces it.
    void Load()
    {
        ready_ = Loaded;
        emit Ready(file_);
        emit PlayStateChange(Stopped, state_ = Playing);
    }

private:
    int32_t ready_ = Uninitialized, state_ = Stopped;
    OpenedFile file_;
};
