// SPDX-License-Identifier: GPL-3.0-or-later
// org.mpris.MediaPlayer2: the player's name, its desktop entry, and Raise and Quit.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

class CommandDoor;
class QWidget;

namespace Desktop {

inline const QString MprisObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    MprisRoot(QObject *published, QWidget &window, CommandDoor &door);

    QString Identity() const { return QStringLiteral("Korvel"); }
    // The application id its desktop entry is named after.
    QString DesktopEntry() const;
    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QStringList SupportedUriSchemes() const { return {QStringLiteral("file")}; }
    QStringList SupportedMimeTypes() const { return {QStringLiteral("audio/mpeg")}; }

public slots:
    void Raise();
    void Quit();

private:
    QWidget &window_;
    CommandDoor &door_;
};

} // namespace Desktop
