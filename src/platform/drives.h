// SPDX-License-Identifier: GPL-3.0-or-later
// The drives: the roots of the mounted volumes, where the add-songs window and
// the CD button start their walks.
#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// The roots of the mounted, ready volumes, sorted.
QStringList DriveRoots();

// A drive root in the form the volume list gives: forward slashes, one at the end
// ("F:" and "F:/" alike).
QString RootForm(const QString &drive);

// The root of the drive that holds `path`: the longest root it starts with.
QString DriveOf(const QString &path);

// Tests stand in drives of their own; an empty list goes back to the mounted volumes.
void SetDriveRoots(const QStringList &roots);

} // namespace Platform
