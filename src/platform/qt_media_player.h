// SPDX-License-Identifier: GPL-3.0-or-later
// The media component over Qt Multimedia: one player with an audio output, driven
// through the MediaPlayer interface so that nothing else sees the toolkit's types.
#pragma once

#include "platform/media_player.h"

#include <cstdint>

class QAudioOutput;
class QMediaPlayer;
class QTimer;

namespace Platform {

class QtMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject *parent = nullptr);

    void Open(const QString &path) override;
    int32_t ReadyState() const override { return ready_; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    int32_t PlayState() const override;
    double CurrentPosition() const override;
    void SetCurrentPosition(double seconds) override;
    double Duration() const override;
    QString FileName() const override { return file_; }
    void SetVolume(int32_t volume) override;

private:
    // Makes and connects the toolkit player that the next file is given to.
    void NewPlayer();
    void StatusChanged(int status);
    void MarkLoaded();
    void Fail();
    void ReportEnd();

    QMediaPlayer *player_;
    QAudioOutput *output_;
    QTimer *durationGrace_;
    QString file_;
    int32_t ready_ = Uninitialized;
    int32_t lastState_ = Stopped;
    // Status signals that setSource emits while it runs are about the file it replaces.
    bool settingSource_ = false;
    bool endReported_ = false;
    // The toolkit player reported an error for the file it holds.
    bool failed_ = false;
    // Seconds of a seek asked for before the file was loaded; negative for none.
    double pendingSeek_ = -1;
    // Counts opened files, so that an end reported for one file is not delivered after the next opened.
    uint64_t generation_ = 0;
};

} // namespace Platform
