// The core's surroundings in tests: an application directory, a catalogue, recorded messages and view rebuilds.
#pragma once

#include "core/state/globals.h"
#include "core/state/screen.h"
#include "platform/app_dir.h"
#include "support/song_files.h"

#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>

namespace TestSupport {

// A temporary directory made the application directory while the object lives.
class AppDir {
public:
    AppDir() { Platform::SetApplicationDirectory(dir_.path()); }
    ~AppDir() { Platform::SetApplicationDirectory(QString()); }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void write(const QString &name, const QByteArray &contents) const { WriteFile(file(name), contents); }
    QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// A catalogue of `count` songs by "Artist", "Song 0" at "/m/0.mp3" and so on; the
// views are left as they were.
inline void MakeCatalogue(int count)
{
    Songs.clear();
    SongCount = 0;
    LastSongIndex = 0;
    for (int i = 0; i < count; ++i)
        AppendSong(Songs, LastSongIndex, SongCount) = {QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i),
                                                       0, QStringLiteral("Artist"), QStringLiteral("Song %1").arg(i)};
}

struct TestSong {
    QString artist, name, path;
};

// Replaces the catalogue with `songs` in this order (the file name is the end of
// the path) and rebuilds the tree and the list in the form "AS".
inline void SetCatalogue(std::initializer_list<TestSong> songs)
{
    MakeCatalogue(0);
    for (const TestSong &s : songs)
        AppendSong(Songs, LastSongIndex, SongCount) = {s.path.section(QLatin1Char('/'), -1), s.path, 0, s.artist, s.name};
    Screen::views().RebuildTree();
    Screen::views().RefillList(QStringLiteral("AS"));
}

// While alive, messages are recorded instead of shown.
class CapturedMessages : public Screen::Messages {
public:
    CapturedMessages() : previous_(Screen::AttachMessages(this)) {}
    ~CapturedMessages() override { Screen::AttachMessages(previous_); }
    void Show(const QString &text) override { texts.append(text); }

    QStringList texts;

private:
    Screen::Messages *previous_;
};

// While alive, view rebuilds are recorded: "tree", "list AS", "show tree", "show list".
class RecordedViews : public Screen::Views {
public:
    RecordedViews() : previous_(Screen::AttachViews(this)) {}
    ~RecordedViews() override { Screen::AttachViews(previous_); }
    void RebuildTree() override { calls.append(QStringLiteral("tree")); }
    void RefillList(const QString &form) override { calls.append(QStringLiteral("list ") + form); }
    void ShowTree(bool tree) override { calls.append(tree ? QStringLiteral("show tree") : QStringLiteral("show list")); }

    QStringList calls;

private:
    Screen::Views *previous_;
};

} // namespace TestSupport
