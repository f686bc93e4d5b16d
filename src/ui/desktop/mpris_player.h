// SPDX-License-Identifier: GPL-3.0-or-later
// org.mpris.MediaPlayer2.Player: the play control, the current song, the position
// and the player's options, for the desktop's player controls. It shows the model and
// hears of its changes; every call and property write enters through the door.
#pragma once

#include "core/playback/play_control.h"
#include "core/state/model.h"
#include "ui/door/command_door.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>
#include <optional>

class MediaPlayer;

namespace Desktop {

class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double Rate READ Rate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPlay)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    MprisPlayer(QObject *published, Model &model, PlayControl &playControl, MediaPlayer &player, CommandDoor &door);

    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    // The volume's travel from the quietest to the loudest as 0.0 to 1.0.
    double Volume() const;
    void SetVolume(double volume);
    // Shuffle: a random song next rather than the following one.
    bool Shuffle() const;
    void SetShuffle(bool shuffle);
    // Microseconds, as are all times on the bus.
    qlonglong Position() const;
    double Rate() const { return 1.0; }
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanSeek() const;
    bool CanControl() const { return true; }

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    // Arguments carry the names the interface gives them.
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath &TrackId, qlonglong Position);
    // A file the desktop opens with Korvel: added to the catalogue and played.
    void OpenUri(const QString &Uri);

signals:
    void Seeked(qlonglong Position);

private:
    // The properties whose changes the bus hears of, as they stand.
    QVariantMap ObservedProperties() const;
    // Sends PropertiesChanged with what differs from what the bus last heard.
    void PublishChanges();
    // Looks the current and previous songs up in the catalogue again, then publishes.
    void FindSongs();
    QDBusObjectPath CurrentTrack() const;
    void MoveTo(double seconds);
    // Runs `command` through the door.
    void Enter(std::function<void()> command);

    Model &model_;
    PlayControl &playControl_;
    MediaPlayer &player_;
    CommandDoor &door_;
    // The current song's record and index as last looked up; nothing when the
    // catalogue does not hold it.
    std::optional<Song> current_;
    int currentIndex_ = -1;
    bool previousHeld_ = false;
    QVariantMap published_;
};

} // namespace Desktop
