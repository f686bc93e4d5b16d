// The drive names the program falls back on when the settings name none.
#pragma once

#include <QString>
#include <QtGlobal>

namespace Platform {

// Where the CD drive is when the user has not said.
inline QString DefaultCdDrive()
{
#ifdef Q_OS_WIN
    return QStringLiteral("F:");
#else
    return QStringLiteral("/media/cdrom");
#endif
}

// Where the add-songs window starts when the user has not said.
inline QString DefaultSongsStartDir()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:");
#else
    return QStringLiteral("/");
#endif
}

} // namespace Platform
