// Shared set-up for tests: a temporary application directory and a fresh main window.
#pragma once

#include "app/main_window.h"
#include "support/fake_media_player.h"

#include <QTemporaryDir>
#include <memory>

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

// A main window over a fake player, as the program's start-up makes it.
struct MainFixture {
    FakeMediaPlayer *player = new FakeMediaPlayer;
    std::unique_ptr<Main> main{new Main(player)};
};

} // namespace TestSupport

namespace TestSupport {

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
