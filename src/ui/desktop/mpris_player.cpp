// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/mpris_player.h"

#include "platform/media_player.h"
#include "ui/desktop/mpris_root.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace Desktop {

namespace {
constexpr double MicrosecondsPerSecond = 1e6;
constexpr int VolumeTravel = PlayerOptions::LoudestVolume - PlayerOptions::QuietestVolume;
const QString NoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

qlonglong Microseconds(double seconds) { return std::llround(seconds * MicrosecondsPerSecond); }
} // namespace

MprisPlayer::MprisPlayer(QObject *published, Model &model, PlayControl &playControl, MediaPlayer &player,
                         CommandDoor &door)
    : QDBusAbstractAdaptor(published), model_(model), playControl_(playControl), player_(player), door_(door)
{
    FindSongs();
    published_ = ObservedProperties();
    connect(&model.catalogue, &Catalogue::changed, this, &MprisPlayer::FindSongs);
    connect(&model.pointers, &SongPointers::currentSongChanged, this, &MprisPlayer::FindSongs);
    connect(&model.pointers, &SongPointers::previousSongChanged, this, &MprisPlayer::FindSongs);
    connect(&model.options, &PlayerOptions::volumeChanged, this, &MprisPlayer::PublishChanges);
    connect(&model.options, &PlayerOptions::shuffleChanged, this, &MprisPlayer::PublishChanges);
    connect(&player_, &MediaPlayer::PlayStateChange, this, &MprisPlayer::PublishChanges);
    connect(&player_, &MediaPlayer::DurationChange, this, &MprisPlayer::PublishChanges);
    // Every seek that moves playback, wherever it was asked for, with the position it reached.
    connect(&player_, &MediaPlayer::Seeked, this,
            [this](const OpenedFile &, double seconds) { emit Seeked(Microseconds(seconds)); });
}

void MprisPlayer::FindSongs()
{
    const Catalogue &catalogue = model_.catalogue;
    currentIndex_ = catalogue.FindSong(model_.pointers.CurrentSong());
    current_ = currentIndex_ < 0 ? std::nullopt : std::optional<Song>(catalogue.SongAt(currentIndex_));
    previousHeld_ = catalogue.FindSong(model_.pointers.PreviousSong()) >= 0;
    PublishChanges();
}

QString MprisPlayer::PlaybackStatus() const
{
    switch (player_.PlayState()) {
    case MediaPlayer::Playing:
        return QStringLiteral("Playing");
    case MediaPlayer::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QDBusObjectPath MprisPlayer::CurrentTrack() const
{
    return QDBusObjectPath(current_ ? QStringLiteral("/org/korvel/song/%1").arg(currentIndex_) : NoTrack);
}

QVariantMap MprisPlayer::Metadata() const
{
    QVariantMap metadata{{QStringLiteral("mpris:trackid"), QVariant::fromValue(CurrentTrack())}};
    if (!current_)
        return metadata;
    metadata.insert(QStringLiteral("xesam:title"), current_->SongName);
    metadata.insert(QStringLiteral("xesam:artist"), QStringList{current_->Artist});
    metadata.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(QDir::cleanPath(current_->LongName)).toString());
    if (player_.FileName() == current_->LongName && player_.Duration() > 0)
        metadata.insert(QStringLiteral("mpris:length"), Microseconds(player_.Duration()));
    return metadata;
}

double MprisPlayer::Volume() const
{
    return double(model_.options.Volume() - PlayerOptions::QuietestVolume) / VolumeTravel;
}

void MprisPlayer::SetVolume(double volume)
{
    // What is no number names no loudness.
    if (std::isnan(volume))
        return;
    const int value = PlayerOptions::QuietestVolume + static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * VolumeTravel));
    Enter([this, value] { model_.options.SetVolume(value); });
}

bool MprisPlayer::Shuffle() const { return model_.options.Shuffle(); }

void MprisPlayer::SetShuffle(bool shuffle)
{
    Enter([this, shuffle] { model_.options.SetShuffle(shuffle); });
}

qlonglong MprisPlayer::Position() const { return Microseconds(player_.CurrentPosition()); }

bool MprisPlayer::CanGoNext() const { return model_.catalogue.SongCount() > 0; }

bool MprisPlayer::CanGoPrevious() const { return previousHeld_; }

bool MprisPlayer::CanPlay() const
{
    return model_.catalogue.SongCount() > 0 || !player_.FileName().isEmpty();
}

bool MprisPlayer::CanSeek() const { return player_.Duration() > 0; }

void MprisPlayer::Enter(std::function<void()> command) { door_.Enter(std::move(command)); }

void MprisPlayer::Play()
{
    Enter([this] { playControl_.Play(); });
}

void MprisPlayer::Pause()
{
    Enter([this] { playControl_.Pause(); });
}

void MprisPlayer::PlayPause()
{
    Enter([this] {
        if (player_.PlayState() == MediaPlayer::Playing)
            playControl_.Pause();
        else
            playControl_.Play();
    });
}

void MprisPlayer::Stop()
{
    Enter([this] { playControl_.Stop(); });
}

void MprisPlayer::Next()
{
    Enter([this] { playControl_.Next(); });
}

void MprisPlayer::Previous()
{
    Enter([this] { playControl_.Previous(); });
}

void MprisPlayer::OpenUri(const QString &Uri)
{
    const QUrl url(Uri);
    if (url.isLocalFile())
        Enter([this, path = url.toLocalFile()] { playControl_.OpenFiles({path}); });
}

void MprisPlayer::Seek(qlonglong Offset)
{
    Enter([this, Offset] {
        if (CanSeek())
            MoveTo(player_.CurrentPosition() + Offset / MicrosecondsPerSecond);
    });
}

void MprisPlayer::SetPosition(const QDBusObjectPath &TrackId, qlonglong Position)
{
    Enter([this, TrackId, Position] {
        // A request meant for a song that is no longer current, or outside it, is ignored.
        const double seconds = Position / MicrosecondsPerSecond;
        if (CanSeek() && TrackId == CurrentTrack() && seconds >= 0 && seconds <= player_.Duration())
            MoveTo(seconds);
    });
}

void MprisPlayer::MoveTo(double seconds)
{
    // Past the end is where the next song begins.
    if (seconds >= player_.Duration()) {
        playControl_.Next();
        return;
    }
    player_.SetCurrentPosition(std::max(seconds, 0.0));
}

QVariantMap MprisPlayer::ObservedProperties() const
{
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus()},
        {QStringLiteral("Metadata"), Metadata()},
        {QStringLiteral("Volume"), Volume()},
        {QStringLiteral("Shuffle"), Shuffle()},
        {QStringLiteral("CanGoNext"), CanGoNext()},
        {QStringLiteral("CanGoPrevious"), CanGoPrevious()},
        {QStringLiteral("CanPlay"), CanPlay()},
        {QStringLiteral("CanPause"), CanPlay()},
        {QStringLiteral("CanSeek"), CanSeek()},
    };
}

void MprisPlayer::PublishChanges()
{
    const QVariantMap now = ObservedProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (published_.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    if (changed.isEmpty())
        return;
    published_ = now;
    QDBusMessage signal = QDBusMessage::createSignal(MprisObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace Desktop
