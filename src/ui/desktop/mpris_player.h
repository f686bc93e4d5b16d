// org.mpris.MediaPlayer2.Player: the window's transport, its current song, position
// and volume, for the desktop's player controls.
#pragma once

#include "ui/desktop/remembered_song.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

class Main;

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
    MprisPlayer(QObject *published, Main &window);

    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    // The volume slider's travel as 0.0 to 1.0.
    double Volume() const;
    void SetVolume(double volume);
    // The window's Shuffle: a random song next rather than the following one.
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
    QDBusObjectPath CurrentTrack() const;
    void MoveTo(double seconds);

    Main &window_;
    mutable RememberedSong current_;
    mutable RememberedSong previous_;
    QVariantMap published_;
};

} // namespace Desktop
