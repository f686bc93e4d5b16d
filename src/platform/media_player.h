// SPDX-License-Identifier: GPL-3.0-or-later
// The media player component the play control drives: open a file, play, pause,
// stop, position, duration, volume, and its notices: loaded, seeked, end of media
// and state change.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

// One opening of a file: its path, and the number of the Open that made it, which
// tells two openings of the same path apart.
struct OpenedFile {
    QString path;
    uint64_t opening = 0;
    bool operator==(const OpenedFile &) const = default;
};

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The values of PlayState.
    enum : int32_t { Stopped = 0, Paused = 1, Playing = 2 };
    // The values of ReadyState: nothing or a failed file, loading, loaded.
    enum : int32_t { Uninitialized = 0, Loading = 1, Loaded = 4 };

    // Starts loading; playback starts by itself once loaded. Returns before loading
    // ends; no call waits for the engine.
    virtual void Open(const QString &path) = 0;
    virtual int32_t ReadyState() const = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual int32_t PlayState() const = 0;
    virtual double CurrentPosition() const = 0;
    virtual void SetCurrentPosition(double seconds) = 0;
    virtual double Duration() const = 0;
    virtual OpenedFile Opened() const = 0;
    QString FileName() const { return Opened().path; }
    // Hundredths of a decibel; throws Platform::Failure for a value it does not accept.
    virtual void SetVolume(int32_t volume) = 0;

signals:
    // The file is loaded, ReadyState Loaded: it plays, or waits paused.
    void Ready(const OpenedFile &file);
    // Playback reached the end of the file, or could go no further in it.
    void EndOfStream(const OpenedFile &file);
    void PlayStateChange(int32_t oldState, int32_t newState);
    // The open file's length became known, or changed, after it was loaded.
    void DurationChange();
    // A seek moved playback of the file to `seconds`.
    void Seeked(const OpenedFile &file, double seconds);
};

// The real component of this system.
MediaPlayer *CreateMediaPlayer();
