// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings that name drives point when the settings file names none.
#pragma once

#include <QString>

namespace Platform {

// The CD drive the CD button scans.
inline QString DefaultCdDrive()
{
#ifdef Q_OS_WIN
    return QStringLiteral("F:");
#else
    return QStringLiteral("/media/cdrom");
#endif
}

// The drive the add-songs window starts on.
inline QString DefaultSongsStartDir()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:");
#else
    return QStringLiteral("/");
#endif
}

} // namespace Platform
