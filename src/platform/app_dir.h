// The application directory: the folder that holds the program, where its files live.
#pragma once

#include <QString>

namespace Platform {

QString ApplicationDirectory();

// Full path of a file of the application directory.
QString ApplicationFile(const QString &name);

// Tests and benchmarks point the program at a directory of their own.
void SetApplicationDirectory(const QString &dir);

} // namespace Platform
