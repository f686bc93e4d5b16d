// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/player_controls.h"

#include "ui/desktop/mpris_root.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <cstdio>

namespace Desktop {

namespace {
const QString ServiceName = QStringLiteral("org.mpris.MediaPlayer2.korvel");

void Complain(const QString &why)
{
    std::fprintf(stderr, "korvel: media keys and desktop player controls are off: %s\n", qPrintable(why));
}
} // namespace

std::optional<QString> Publish(QObject &controls)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Complain(QStringLiteral("no session bus"));
        return std::nullopt;
    }
    if (!bus.registerObject(MprisObjectPath, &controls, QDBusConnection::ExportAdaptors)) {
        Complain(bus.lastError().message());
        return std::nullopt;
    }
    const QString ownName = ServiceName + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    for (const QString &name : {ServiceName, ownName}) {
        if (bus.registerService(name))
            return name;
    }
    Complain(bus.lastError().message());
    return QString();
}

void Withdraw(const QString &name)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(MprisObjectPath);
    if (!name.isEmpty())
        bus.unregisterService(name);
}

} // namespace Desktop
