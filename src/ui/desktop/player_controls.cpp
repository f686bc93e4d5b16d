// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/player_controls.h"

#include "ui/desktop/mpris_player.h"
#include "ui/desktop/mpris_root.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QWidget>
#include <cstdio>

namespace Desktop {

namespace {
const QString ServiceName = QStringLiteral("org.mpris.MediaPlayer2.korvel");

void Complain(const QString &why)
{
    std::fprintf(stderr, "korvel: media keys and desktop player controls are off: %s\n", qPrintable(why));
}
} // namespace

void OfferPlayerControls(const Jukebox &jukebox)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Complain(QStringLiteral("no session bus"));
        return;
    }
    auto *published = new QObject(&jukebox.window);
    new MprisRoot(published, jukebox.window, jukebox.door);
    new MprisPlayer(published, jukebox);
    if (!bus.registerObject(MprisObjectPath, published, QDBusConnection::ExportAdaptors)) {
        Complain(bus.lastError().message());
        // Left alive, the adaptors would go on announcing changes of an object the bus does not have.
        delete published;
        return;
    }
    // A second Korvel takes a name of its own, as the MPRIS convention has it.
    if (!bus.registerService(ServiceName)
        && !bus.registerService(ServiceName + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid())))
        Complain(bus.lastError().message());
}

} // namespace Desktop
