// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/engine/engine_player.h"

#include "platform/engine/engine_thread.h"
#include "platform/engine/pipeline.h"
#include "platform/failure.h"
#include "platform/regular_file.h"

#include <QFile>
#include <QLoggingCategory>
#include <atomic>
#include <cmath>
#include <limits>
#include <mutex>

namespace Platform::Engine {

namespace {
Q_LOGGING_CATEGORY(engineLog, "korvel.engine")

// Hundredths of a decibel at which the output falls silent.
constexpr int32_t Silence = -10000;
constexpr double HundredthsPerDecibel = 100;
constexpr double NanosecondsPerSecond = 1e9;
} // namespace

struct EnginePlayer::Side {
    std::unique_ptr<Pipeline> pipeline;
    // The last Open asked for: an Open that a later one replaced before it ran is skipped.
    std::atomic<uint64_t> latestOpening = 0;
};

struct EnginePlayer::Mailbox {
    std::mutex mutex;
    EnginePlayer *owner = nullptr;

    void Deliver(Notice notice)
    {
        std::lock_guard lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(owner, [owner = owner, notice = std::move(notice)] { owner->Receive(notice); },
                                      Qt::QueuedConnection);
    }
};

EnginePlayer::EnginePlayer(QObject *parent)
    : MediaPlayer(parent), side_(std::make_shared<Side>()), mailbox_(std::make_shared<Mailbox>()),
      thread_(std::make_unique<EngineThread>())
{
    mailbox_->owner = this;
    thread_->Post([side = side_, mailbox = mailbox_] {
        side->pipeline = std::make_unique<Pipeline>([mailbox](Notice notice) { mailbox->Deliver(std::move(notice)); });
    });
}

EnginePlayer::~EnginePlayer()
{
    {
        std::lock_guard lock(mailbox_->mutex);
        mailbox_->owner = nullptr;
    }
    thread_->Post([side = side_] { side->pipeline.reset(); });
}

void EnginePlayer::Open(const QString &path)
{
    file_ = {path, file_.opening + 1};
    ready_ = Loading;
    SetPosition(0);
    duration_ = 0;
    // The file plays once loaded; a Pause while it loads keeps it paused.
    state_ = Playing;
    const uint64_t opening = file_.opening, timeline = ++timeline_;
    side_->latestOpening = opening;
    thread_->Post([side = side_, path, opening, timeline] {
        if (side->latestOpening != opening)
            return;
        // A pipe or a device under the name would block the pipeline's thread for good.
        const std::string file = IsReadableRegularFile(path) ? QFile::encodeName(path).toStdString() : std::string();
        side->pipeline->Open(opening, timeline, file);
    });
}

void EnginePlayer::Play()
{
    if (file_.path.isEmpty())
        return;
    // A file that failed is tried afresh.
    if (ready_ == Uninitialized) {
        Open(file_.path);
        return;
    }
    SetState(Playing);
    thread_->Post([side = side_, opening = file_.opening] { side->pipeline->Play(opening); });
}

void EnginePlayer::Pause()
{
    if (ready_ == Uninitialized)
        return;
    SetState(Paused);
    thread_->Post([side = side_, opening = file_.opening] { side->pipeline->Pause(opening); });
}

void EnginePlayer::Stop()
{
    if (ready_ == Uninitialized)
        return;
    SetState(Stopped);
    SetPosition(0);
    thread_->Post([side = side_, opening = file_.opening, timeline = ++timeline_] { side->pipeline->Stop(opening, timeline); });
}

void EnginePlayer::SetCurrentPosition(double seconds)
{
    if (ready_ == Uninitialized || !std::isfinite(seconds))
        return;
    SetPosition(seconds = std::max(seconds, 0.0));
    thread_->Post([side = side_, opening = file_.opening, timeline = ++timeline_, seconds] {
        side->pipeline->Seek(opening, timeline, seconds);
    });
}

void EnginePlayer::SetVolume(int32_t volume)
{
    if (volume < Silence || volume > 0)
        throw Failure(ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value"), QStringLiteral("MediaPlayer"));
    const double decibels = volume == Silence ? -std::numeric_limits<double>::infinity() : volume / HundredthsPerDecibel;
    thread_->Post([side = side_, decibels] { side->pipeline->SetVolume(decibels); });
}

double EnginePlayer::CurrentPosition() const
{
    if (ready_ != Loaded || state_ != Playing)
        return position_;
    const double now = position_ + positionAge_.nsecsElapsed() / NanosecondsPerSecond;
    return duration_ > 0 ? std::min(now, duration_) : now;
}

void EnginePlayer::SetPosition(double seconds)
{
    position_ = seconds;
    positionAge_.start();
}

void EnginePlayer::SetState(int32_t state)
{
    SetPosition(CurrentPosition());
    state_ = state;
    if (ready_ == Loaded)
        Announce(state);
}

void EnginePlayer::Announce(int32_t state)
{
    const int32_t old = announced_;
    announced_ = state;
    emit PlayStateChange(old, state);
}

void EnginePlayer::Receive(const Notice &notice)
{
    if (notice.opening != file_.opening)
        return;
    // Positions and ends from before the last seek or Stop are no longer where playback
    // is: the engine goes on after a seek that came after the end.
    const bool current = notice.timeline == timeline_;
    switch (notice.kind) {
    case Notice::Kind::Loaded:
        SetPosition(position_);
        ready_ = Loaded;
        duration_ = notice.seconds;
        emit Ready(file_);
        Announce(state_);
        break;
    case Notice::Kind::Failed:
        qCWarning(engineLog).noquote() << "cannot play" << file_.path << "-" << QString::fromStdString(notice.detail);
        ready_ = Uninitialized;
        state_ = Stopped;
        if (announced_ != Stopped)
            Announce(Stopped);
        break;
    case Notice::Kind::Duration:
        if (notice.seconds > 0 && notice.seconds != duration_) {
            duration_ = notice.seconds;
            if (ready_ == Loaded)
                emit DurationChange();
        }
        break;
    case Notice::Kind::Position:
        if (current)
            SetPosition(notice.seconds);
        break;
    case Notice::Kind::Seeked:
        if (current) {
            SetPosition(notice.seconds);
            emit Seeked(file_, notice.seconds);
        }
        break;
    case Notice::Kind::Ended:
        if (!current)
            break;
        if (!notice.detail.empty())
            qCWarning(engineLog).noquote() << "playback of" << file_.path << "ended early -" << QString::fromStdString(notice.detail);
        SetState(Stopped);
        emit EndOfStream(file_);
        break;
    }
}

} // namespace Platform::Engine
