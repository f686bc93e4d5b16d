// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/startup.h"

#include <QApplication>
#include <cstdio>

namespace Startup {

void PrepareEnvironment()
{
    QCoreApplication::setApplicationName(QStringLiteral("Korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVEL_APP_ID));
}

bool DisplayNamed()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("korvel: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return false;
    }
#endif
    return true;
}

Program::Program(const QStringList &files, Jukebox::Parts parts) : jukebox_(std::move(parts)), window_(jukebox_)
{
    jukebox_.Start(files);
    window_.Form_Load();
}

} // namespace Startup
