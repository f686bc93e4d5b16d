// SPDX-License-Identifier: GPL-3.0-or-later
// The core's surroundings in tests: an application directory, a catalogue, recorded messages and view rebuilds.
#pragma once

#include "core/catalogue/song_list.h"
#include "core/catalogue/view_modes.h"
#include "core/state/model.h"
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

// A table of `songs`, appended one by one as an addition appends them.
inline SongTable Table(const std::vector<Song> &songs)
{
    SongTable table;
    for (const Song &song : songs)
        table.Append() = song;
    return table;
}

// Replaces the catalogue with `songs`.
inline void SetSongs(Model &model, const std::vector<Song> &songs) { Catalogue::Edit(model.catalogue).Table() = Table(songs); }

// A catalogue of `count` songs by "Band", "Song 0" at "/m/0.mp3" and so on; the
// views are left as they were.
inline void MakeCatalogue(Model &model, int count)
{
    std::vector<Song> songs;
    for (int i = 0; i < count; ++i)
        songs.push_back({QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i), 0, QStringLiteral("Band"),
                         QStringLiteral("Song %1").arg(i)});
    SetSongs(model, songs);
}

struct TestSong {
    QString artist, name, path;
};

// Replaces the catalogue with `songs` in this order (the file name is the end of
// the path) and rebuilds the tree and the list in the artist-song form.
inline void SetCatalogue(Model &model, std::initializer_list<TestSong> songs)
{
    std::vector<Song> records;
    for (const TestSong &s : songs)
        records.push_back({s.path.section(QLatin1Char('/'), -1), s.path, 0, s.artist, s.name});
    SetSongs(model, records);
    ShowArtistTree(model);
    model.screen.views().RefillList(Functions::SongListRows(model.catalogue.Table(), Functions::KeyForm::ArtistSong));
}

// While alive, what the core shows on `screen` (messages, or view rebuilds) is recorded instead.
template <class Shown>
class Recorded : public Shown {
public:
    explicit Recorded(Screen::Surface &screen) : screen_(screen), previous_(screen.Attach(static_cast<Shown *>(this))) {}
    ~Recorded() override { screen_.Attach(previous_); }

protected:
    Screen::Surface &screen_;
    Shown *previous_;
};

// The messages' texts.
struct CapturedMessages : Recorded<Screen::Messages> {
    using Recorded::Recorded;
    void Show(const QString &text) override { texts.append(text); }
    QStringList texts;
};

// The progress passed on to the window that was attached, for a test to look at on the way.
struct PassedOnProgress : Recorded<Screen::Progress> {
    using Recorded::Recorded;
    void Show(const QString &a, const QString &c, const QString &t) override { previous_->Show(a, c, t); }
    void SetCounts(const QString &current, const QString &total) override { previous_->SetCounts(current, total); }
    void Unload() override { previous_->Unload(); }
};

// "show" with the activity and both counts, and "unload".
struct RecordedProgress : Recorded<Screen::Progress> {
    using Recorded::Recorded;
    void Show(const QString &a, const QString &c, const QString &t) override { calls.append({"show " + a + " " + c + " " + t}); }
    void SetCounts(const QString &, const QString &) override {}
    void Unload() override { calls.append(QStringLiteral("unload")); }
    QStringList calls;
};

// "tree" and its last song as artist/song, "list" and its rows joined by "|", "show tree", "show list".
struct RecordedViews : Recorded<Screen::Views> {
    using Recorded::Recorded;
    void RebuildTree(const std::vector<Functions::TreeNode> &nodes) override
    {
        const QString last = nodes.empty() ? QString() : " " + nodes.at(nodes.back().parent).text + "/" + nodes.back().text;
        calls.append("tree" + last);
    }
    void RefillList(const QStringList &rows) override { calls.append(QStringLiteral("list ") + rows.join('|')); }
    void ShowTree(bool tree) override { calls.append(tree ? QStringLiteral("show tree") : QStringLiteral("show list")); }
    QStringList calls;
};

} // namespace TestSupport
