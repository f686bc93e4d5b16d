// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_media_player.h"

#include "platform/failure.h"
#include "platform/regular_file.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace Platform {

namespace {
// Hundredths of a decibel at which the output falls silent.
constexpr int32_t Silence = -10000;
// How long a loaded file may go without a known duration before it counts as loaded.
constexpr int DurationGraceMs = 1500;

int32_t playStateOf(QMediaPlayer::PlaybackState state)
{
    switch (state) {
    case QMediaPlayer::PausedState:
        return MediaPlayer::Paused;
    case QMediaPlayer::PlayingState:
        return MediaPlayer::Playing;
    default:
        return MediaPlayer::Stopped;
    }
}
} // namespace

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : MediaPlayer(parent), output_(new QAudioOutput(this)), durationGrace_(new QTimer(this))
{
    durationGrace_->setSingleShot(true);
    durationGrace_->setInterval(DurationGraceMs);
    connect(durationGrace_, &QTimer::timeout, this, [this] { MarkLoaded(); });
    NewPlayer();
}

void QtMediaPlayer::NewPlayer()
{
    player_ = new QMediaPlayer(this);
    // Without an audio device the output falls back to a silent sink that still keeps time.
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { StatusChanged(status); });
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] {
        if (!settingSource_)
            Fail();
    });
    connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (settingSource_ || duration <= 0)
            return;
        if (durationGrace_->isActive())
            MarkLoaded();
        else if (ready_ == Loaded)
            emit DurationChange();
    });
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        const int32_t old = lastState_;
        lastState_ = playStateOf(state);
        if (ready_ == Loaded)
            emit PlayStateChange(old, lastState_);
    });
}

void QtMediaPlayer::Open(const QString &path)
{
    // The toolkit opens the file on this thread: a pipe or a device under the name
    // would block it, and the window with it, for good. Such a file is not handed over.
    const bool playable = IsReadableRegularFile(path);
    // A toolkit player whose file failed, or never finished loading, may still deliver
    // that file's errors after it has been given the next one, and stop that one too;
    // and it ignores the file it already holds, which must load again from the start.
    // Such a player is dropped for a fresh one, as is one whose file gives way to a
    // file that cannot be played.
    if (!file_.isEmpty() && (ready_ != Loaded || failed_ || path == file_ || !playable)) {
        QMediaPlayer *old = player_;
        old->disconnect(this);
        old->setAudioOutput(nullptr);
        old->deleteLater();
        NewPlayer();
        failed_ = false;
    }
    ++generation_;
    file_ = path;
    ready_ = Loading;
    endReported_ = false;
    pendingSeek_ = -1;
    durationGrace_->stop();
    if (!playable) {
        Fail();
        return;
    }
    settingSource_ = true;
    player_->setSource(QUrl::fromLocalFile(path));
    settingSource_ = false;
    // Playback starts by itself once the file is loaded.
    player_->play();
}

void QtMediaPlayer::MarkLoaded()
{
    if (ready_ != Loading)
        return;
    durationGrace_->stop();
    ready_ = Loaded;
    if (pendingSeek_ >= 0) {
        player_->setPosition(std::llround(pendingSeek_ * 1000));
        pendingSeek_ = -1;
    }
    emit PlayStateChange(lastState_, PlayState());
}

void QtMediaPlayer::StatusChanged(int status)
{
    if (settingSource_)
        return;
    switch (status) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
        // The duration of an MP3 often follows a few hundred milliseconds later; the
        // file counts as loaded once it is known, or after a grace period without it.
        if (ready_ == Loading) {
            if (player_->duration() > 0)
                MarkLoaded();
            else if (!durationGrace_->isActive())
                durationGrace_->start();
        }
        break;
    case QMediaPlayer::EndOfMedia:
        // A very short file can end before its duration arrives.
        if (ready_ == Loading)
            MarkLoaded();
        if (ready_ == Loaded && !endReported_) {
            endReported_ = true;
            ReportEnd();
        }
        break;
    case QMediaPlayer::InvalidMedia:
        Fail();
        break;
    default:
        break;
    }
}

void QtMediaPlayer::ReportEnd()
{
    // Delivered from the event loop: the handler opens the next file, which must not
    // happen inside the player's own notification.
    const uint64_t generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation == generation_)
                emit EndOfStream(0);
        },
        Qt::QueuedConnection);
}

void QtMediaPlayer::Fail()
{
    // A file that cannot be played leaves the player idle and never reports itself
    // loaded. The toolkit player is not stopped: stopping a failed one blocks for a
    // second; it only counts as idle, and the next Open replaces it.
    failed_ = true;
    durationGrace_->stop();
    if (ready_ != Loaded)
        ready_ = Uninitialized;
}

void QtMediaPlayer::Play()
{
    // A file that failed is tried afresh.
    if (failed_) {
        Open(file_);
        return;
    }
    endReported_ = false;
    player_->play();
}

void QtMediaPlayer::Pause()
{
    if (!failed_)
        player_->pause();
}

void QtMediaPlayer::Stop()
{
    endReported_ = false;
    if (!failed_)
        player_->stop();
}

int32_t QtMediaPlayer::PlayState() const { return failed_ ? Stopped : playStateOf(player_->playbackState()); }

double QtMediaPlayer::CurrentPosition() const { return player_->position() / 1000.0; }

void QtMediaPlayer::SetCurrentPosition(double seconds)
{
    if (!std::isfinite(seconds))
        return;
    seconds = std::max(seconds, 0.0);
    endReported_ = false;
    // Qt drops seeks made before the file is loaded; keep the last one for then.
    if (ready_ != Loaded || failed_)
        pendingSeek_ = seconds;
    else
        player_->setPosition(std::llround(seconds * 1000));
}

double QtMediaPlayer::Duration() const { return player_->duration() / 1000.0; }

void QtMediaPlayer::SetVolume(int32_t volume)
{
    if (volume < Silence || volume > 0)
        throw Failure(ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value"), QStringLiteral("MediaPlayer"));
    // Hundredths of a decibel below full loudness.
    output_->setVolume(volume == Silence ? 0.0f
                                         : QAudio::convertVolume(volume / 100.0f, QAudio::DecibelVolumeScale,
                                                                 QAudio::LinearVolumeScale));
}

} // namespace Platform
