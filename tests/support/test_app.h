// A temporary directory made the application directory while the object lives.
#pragma once

#include <QTemporaryDir>

namespace TestSupport {

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
