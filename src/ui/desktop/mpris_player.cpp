#include "ui/desktop/mpris_player.h"

#include "core/state/globals.h"
#include "platform/media_player.h"
#include "ui/desktop/mpris_root.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QSlider>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace Desktop {

namespace {
constexpr double MicrosecondsPerSecond = 1e6;
const QString NoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

qlonglong Microseconds(double seconds) { return std::llround(seconds * MicrosecondsPerSecond); }
} // namespace

MprisPlayer::MprisPlayer(QObject *published, Main &window)
    : QDBusAbstractAdaptor(published), window_(window), published_(ObservedProperties())
{
    // The player's state and the volume slider report their changes; a new current
    // song is reported by nothing, so the window's tick also compares what the bus
    // last heard with the state now.
    connect(window_.MediaPlayer1, &MediaPlayer::PlayStateChange, this, &MprisPlayer::PublishChanges);
    connect(window_.Slider_vol, &QSlider::valueChanged, this, &MprisPlayer::PublishChanges);
    connect(window_.chk_shuffle, &QCheckBox::toggled, this, &MprisPlayer::PublishChanges);
    connect(window_.Timer1, &QTimer::timeout, this, &MprisPlayer::PublishChanges);
}

QString MprisPlayer::PlaybackStatus() const
{
    switch (window_.MediaPlayer1->PlayState()) {
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
    return QDBusObjectPath(current_.Of(CurrentSong) ? QStringLiteral("/org/korvel/song/%1").arg(current_.Index()) : NoTrack);
}

QVariantMap MprisPlayer::Metadata() const
{
    QVariantMap metadata{{QStringLiteral("mpris:trackid"), QVariant::fromValue(CurrentTrack())}};
    const Song *song = current_.Of(CurrentSong);
    if (!song)
        return metadata;
    metadata.insert(QStringLiteral("xesam:title"), song->SongName);
    metadata.insert(QStringLiteral("xesam:artist"), QStringList{song->Artist});
    metadata.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(QDir::cleanPath(song->LongName)).toString());
    const MediaPlayer &player = *window_.MediaPlayer1;
    if (player.FileName() == song->LongName && player.Duration() > 0)
        metadata.insert(QStringLiteral("mpris:length"), Microseconds(player.Duration()));
    return metadata;
}

double MprisPlayer::Volume() const
{
    const QSlider &slider = *window_.Slider_vol;
    return double(slider.value() - slider.minimum()) / (slider.maximum() - slider.minimum());
}

void MprisPlayer::SetVolume(double volume)
{
    QSlider &slider = *window_.Slider_vol;
    slider.setValue(slider.minimum() + std::lround(std::clamp(volume, 0.0, 1.0) * (slider.maximum() - slider.minimum())));
}

bool MprisPlayer::Shuffle() const { return window_.chk_shuffle->isChecked(); }

void MprisPlayer::SetShuffle(bool shuffle) { window_.chk_shuffle->setChecked(shuffle); }

qlonglong MprisPlayer::Position() const { return Microseconds(window_.MediaPlayer1->CurrentPosition()); }

bool MprisPlayer::CanGoNext() const { return SongCount > 0; }

bool MprisPlayer::CanGoPrevious() const { return previous_.Of(PreviousSong) != nullptr; }

bool MprisPlayer::CanPlay() const { return SongCount > 0 || !window_.MediaPlayer1->FileName().isEmpty(); }

bool MprisPlayer::CanSeek() const { return window_.MediaPlayer1->Duration() > 0; }

void MprisPlayer::Play() { window_.cmd_play_Click(); }

void MprisPlayer::Pause() { window_.cmd_pause_Click(); }

void MprisPlayer::PlayPause()
{
    if (window_.MediaPlayer1->PlayState() == MediaPlayer::Playing)
        window_.cmd_pause_Click();
    else
        window_.cmd_play_Click();
}

void MprisPlayer::Stop() { window_.cmd_stop_Click(); }

void MprisPlayer::Next() { window_.cmd_next_Click(); }

void MprisPlayer::Previous() { window_.PlayPreviousSong(); }

void MprisPlayer::OpenUri(const QString &Uri)
{
    const QUrl url(Uri);
    if (url.isLocalFile())
        window_.OpenFiles({url.toLocalFile()});
}

void MprisPlayer::Seek(qlonglong Offset)
{
    if (CanSeek())
        MoveTo(window_.MediaPlayer1->CurrentPosition() + Offset / MicrosecondsPerSecond);
}

void MprisPlayer::SetPosition(const QDBusObjectPath &TrackId, qlonglong Position)
{
    // A request meant for a song that is no longer current, or outside it, is ignored.
    const double seconds = Position / MicrosecondsPerSecond;
    if (CanSeek() && TrackId == CurrentTrack() && seconds >= 0 && seconds <= window_.MediaPlayer1->Duration())
        MoveTo(seconds);
}

void MprisPlayer::MoveTo(double seconds)
{
    // Past the end is where the next song begins.
    if (seconds >= window_.MediaPlayer1->Duration()) {
        window_.cmd_next_Click();
        return;
    }
    seconds = std::max(seconds, 0.0);
    window_.MediaPlayer1->SetCurrentPosition(seconds);
    emit Seeked(Microseconds(seconds));
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
