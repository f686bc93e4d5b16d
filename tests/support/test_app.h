// Shared set-up for tests: a temporary application directory and a fresh main window.
#pragma once

#include "app/main_window.h"

#include <QTemporaryDir>
#include <memory>

class FakeMediaPlayer;

namespace TestSupport {

// A temporary directory made the application directory while the object lives.
class AppDir {
public:
    AppDir();
    ~AppDir();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void write(const QString &name, const QByteArray &contents) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir_;
};

} // namespace TestSupport
