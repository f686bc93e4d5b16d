// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop as tests play it: a connection of its own to the test's session bus
// (dbus-run-session), which calls Korvel's player controls and hears what they announce.
#pragma once

#include <QtDBus>

namespace TestSupport {

inline const QString MprisRoot = "org.mpris.MediaPlayer2", MprisPlayer = "org.mpris.MediaPlayer2.Player";

class DesktopBus : public QObject {
    Q_OBJECT
public:
    DesktopBus() { bus_.connect({}, Path, Properties, "PropertiesChanged", this, SLOT(PropertiesChanged(QDBusMessage))); }

    // Waits for the answer, letting events in meanwhile: Korvel may run in the test's process.
    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments = {}) const
    {
        return bus_.call(Message(interface, method, arguments), QDBus::BlockWithGui, 60000);
    }
    // A call whose answer nobody waits for.
    void send(const QString &interface, const QString &method, const QVariantList &arguments = {}) const
    {
        bus_.asyncCall(Message(interface, method, arguments));
    }
    void set(const QString &property, const QVariant &value) const
    {
        call(Properties, "Set", {MprisPlayer, property, QVariant::fromValue(QDBusVariant(value))});
    }
    // Hears the player's signal `signal` in `receiver`'s `slot`.
    bool listen(const char *signal, QObject *receiver, const char *slot)
    {
        return bus_.connect({}, Path, MprisPlayer, signal, receiver, slot);
    }
    // A property of the player, its dictionaries unpacked.
    QVariant get(const QString &property) const
    {
        const QVariant value = QDBusReply<QDBusVariant>(call(Properties, "Get", {MprisPlayer, property})).value().variant();
        return value.canConvert<QDBusArgument>() ? QVariant(qdbus_cast<QVariantMap>(value.value<QDBusArgument>())) : value;
    }

    QMultiMap<QString, QVariant> heard; // every property change, each value as announced

public slots:
    void PropertiesChanged(const QDBusMessage &message)
    {
        heard.unite(QMultiMap(qdbus_cast<QVariantMap>(message.arguments().value(1).value<QDBusArgument>())));
    }

private:
    static inline const QString Path = "/org/mpris/MediaPlayer2", Properties = "org.freedesktop.DBus.Properties";

    static QDBusMessage Message(const QString &interface, const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.korvel", Path, interface, method);
        message.setArguments(arguments);
        return message;
    }

    QDBusConnection bus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
};

} // namespace TestSupport
