// "Add Directorys": the songs of a directory tree added, tagged, sorted and shown.
#pragma once

#include <QString>

// ScanDirectories on `startDir`, then TagSort; the tags are read while the scan's
// tree is rebuilt.
void AddDirectorySongs(const QString &startDir);
