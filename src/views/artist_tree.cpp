#include "views/artist_tree.h"

#include "app/main_window.h"
#include "platform/busy_cursor.h"
#include "platform/failure.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"

#include <QStringList>

namespace Functions {

namespace {
const QString RootKey = QStringLiteral("Artist");

// The diagnostic shown when a step of a build fails: the song being added and the failure.
QString diagnostic(const std::vector<Song> &songs, int i, const Platform::Failure &failure)
{
    const Song song = (i >= 0 && static_cast<std::size_t>(i) < songs.size()) ? songs[static_cast<std::size_t>(i)] : Song{};
    return QStringList{
        QStringLiteral("An Error Occured"),
        QStringLiteral("Artist ---->") + song.Artist,
        QStringLiteral("SongName -->") + song.SongName,
        QStringLiteral("ShortName ->") + song.ShortName,
        QStringLiteral("LongName -->") + song.LongName,
        QStringLiteral("Id -------->") + QString::number(song.Id),
        QStringLiteral("i --------->") + QString::number(i),
        QStringLiteral("Err.Number->") + QString::number(failure.Number),
        QStringLiteral("Err.Desc--->") + failure.Description,
        QStringLiteral("Err.Source->") + failure.Source,
    }.join(QLatin1Char('\r'));
}

// Runs each step under the build's failure rule: the first failure is shown, every
// failure is passed over, and the build goes on with the next step.
class Steps {
public:
    explicit Steps(const std::vector<Song> &songs) : songs_(songs) {}

    template <class F>
    void run(int i, F &&step)
    {
        try {
            step();
        } catch (const std::exception &error) {
            if (!reported_) {
                reported_ = true;
                Platform::ShowMessage(diagnostic(songs_, i, Platform::Describe(error)));
            }
        }
    }

private:
    const std::vector<Song> &songs_;
    bool reported_ = false;
};
} // namespace

void BuildArtistTree(Platform::KeyedTree &tree, const std::vector<Song> &songs, const int16_t &lastIndex)
{
    tree.setUpdatesEnabled(false);
    tree.ClearNodes();
    if (SongCount == 0) {
        tree.setUpdatesEnabled(true);
        return;
    }

    Steps steps(songs);
    QString current;
    steps.run(0, [&] { current = songs.at(0).Artist; });
    steps.run(0, [&] { tree.Add(QString(), RootKey, QStringLiteral("Artists")); });
    steps.run(0, [&] { tree.Add(RootKey, current, current); });
    {
        Platform::BusyCursor busy;
        for (int i = 0; i <= lastIndex; ++i) {
            const Song *song = nullptr;
            steps.run(i, [&] { song = &songs.at(static_cast<std::size_t>(i)); });
            if (!song)
                continue;
            if (song->Artist != current) {
                current = song->Artist;
                steps.run(i, [&] { tree.Add(RootKey, current, current); });
            }
            steps.run(i, [&] { tree.Add(current, SongKey(i), song->SongName, true); });
        }
    }
    const int after = lastIndex + 1;
    steps.run(after, [&] {
        Platform::KeyedTree::Node *first = tree.NodeByKey(RootKey)->child(0);
        if (first)
            tree.EnsureVisible(first);
    });
    tree.setUpdatesEnabled(true);
    steps.run(after, [&] {
        if (Main *main = Main::instance())
            main->UpdateSongTotals();
    });
}

} // namespace Functions
