// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/mpris_root.h"

#include "ui/door/command_door.h"

#include <QTimer>
#include <QWidget>

namespace Desktop {

MprisRoot::MprisRoot(QObject *published, QWidget &window, CommandDoor &door)
    : QDBusAbstractAdaptor(published), window_(window), door_(door)
{
}

void MprisRoot::Raise()
{
    door_.Enter([this] {
        window_.show();
        window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window_.raise();
        window_.activateWindow();
    });
}

void MprisRoot::Quit()
{
    // After the reply has gone, and once the work under way is over: closing the
    // window ends the program.
    QTimer::singleShot(0, &window_, [this] { door_.Enter([this] { window_.close(); }); });
}

QString MprisRoot::DesktopEntry() const { return QStringLiteral(KORVEL_APP_ID); }

} // namespace Desktop
