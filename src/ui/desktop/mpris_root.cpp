// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/mpris_root.h"

#include "ui/door/command_door.h"

#include <QTimer>

namespace Desktop {

MprisRoot::MprisRoot(QObject *published, CommandDoor &door, std::function<void()> raise, std::function<void()> quit)
    : QDBusAbstractAdaptor(published), door_(door), raise_(std::move(raise)), quit_(std::move(quit))
{
}

void MprisRoot::Raise() { door_.Enter(raise_); }

void MprisRoot::Quit()
{
    // After the reply has gone, and once the work under way is over.
    QTimer::singleShot(0, this, [this] { door_.Enter(quit_); });
}

QString MprisRoot::DesktopEntry() const { return QStringLiteral(KORVEL_APP_ID); }

} // namespace Desktop
