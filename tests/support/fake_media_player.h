// A media player double the tests drive: they decide when a file is loaded, fire
// the end of a song, and read back what the program asked of the player.
#pragma once

#include "platform/media_player.h"

#include <QStringList>
#include <vector>

class FakeMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    // Ready state an Open reaches at once (4: loaded; lower: the load never ends).
    int32_t readyOnOpen = 4;

    QStringList opened;              // every path passed to Open, in order
    std::vector<int32_t> volumes;    // every accepted volume
    std::vector<int32_t> refusedVolumes;
    std::vector<double> seeks;       // every position written
    int playCalls = 0;
    int pauseCalls = 0;
    int stopCalls = 0;
    double duration = 180.0;

    void Open(const QString &path) override;
    int32_t ReadyState() const override { return ready_; }
    void Play() override
    {
        ++playCalls;
        state_ = 2;
    }
    void Pause() override
    {
        ++pauseCalls;
        state_ = 1;
    }
    void Stop() override
    {
        ++stopCalls;
        state_ = 0;
    }
    int32_t PlayState() const override { return state_; }
    double CurrentPosition() const override { return position_; }
    void SetCurrentPosition(double seconds) override
    {
        seeks.push_back(seconds);
        position_ = seconds;
    }
    double Duration() const override { return duration; }
    QString FileName() const override { return file_; }
    void SetVolume(int32_t volume) override;

    void setReadyState(int32_t state) { ready_ = state; }
    void setPosition(double seconds) { position_ = seconds; }
    void finishSong() { emit EndOfStream(0); }

private:
    int32_t ready_ = 0;
    int32_t state_ = 0;
    double position_ = 0;
    QString file_;
};
