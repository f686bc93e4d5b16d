// Shared set-up for tests: a temporary application directory, and a file-size limit
// that makes writes fail as on a full disk.
#pragma once

#include <QTemporaryDir>

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

// While alive, no file of this process may grow past `bytes`: writes fail as on a
// full disk, whatever the user's permissions.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long long previous_;
};

} // namespace TestSupport
