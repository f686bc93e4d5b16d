// SPDX-License-Identifier: GPL-3.0-or-later
// Building the catalogue: an addition's walk, tags, sort and views, the artist tree and the list's rows.
#include "core/catalogue/addition.h"
#include "core/catalogue/artist_tree.h"
#include "core/catalogue/song_list.h"
#include "core/catalogue/sort.h"
#include "core/state/number_text.h"
#include "support/state.h"

#include <QtTest>
#include <algorithm>
#include <numeric>

using Functions::KeyForm;

namespace {
void makeFiles(const QString &root, const QStringList &names)
{
    for (const QString &name : names)
        TestSupport::WriteFile(root + name, "");
}

QString keyText(const Song &s, KeyForm key)
{
    return key == KeyForm::ArtistSong ? s.Artist + ' ' + s.SongName : key == KeyForm::SongArtist ? s.SongName + ' ' + s.Artist : s.ShortName;
}

QStringList longNames(const std::vector<Song> &songs)
{
    QStringList names;
    for (const Song &song : songs)
        names << song.LongName;
    return names;
}

QStringList add(Model &model, const QString &dir)
{
    AddDirectory(model, dir);
    return longNames(model.catalogue.Songs());
}

// Songs whose keys differ in every form, in the same order in every locale.
const std::vector<Song> plainSongs{{"g.mp3", "0", 0, "abba", "Waterloo"},  {"C.mp3", "1", 0, "ABBA", "Dancing Queen"},
                                   {"j.mp3", "2", 0, "A", "Zebra"},        {"e.mp3", "3", 0, "AB", "Alpha"},
                                   {"a.mp3", "4", 0, "Blur", "Song Two"},  {"H.mp3", "5", 0, "blurb", "Intro"},
                                   {"b.mp3", "6", 0, "Cream", "Badge"},    {"i.mp3", "7", 0, "cream", "White Room"},
                                   {"D.mp3", "8", 0, "Doors", "Alabama"}, {"f.mp3", "9", 0, "Elbow", "Grounds"}};
constexpr int EveryOrderUpTo = 7;
constexpr int RandomOrders = 300;
// The tree of songs with these artists, each node as its parent's key, ">", its key.
QStringList tree(const QStringList &artists, QString &diagnostic)
{
    std::vector<Song> songs;
    for (const QString &artist : artists)
        songs.push_back(Song{"f", "p", 0, artist, "t"});
    const Functions::ArtistTree built = Functions::BuildArtistTree(TestSupport::Table(songs));
    diagnostic = built.diagnostic;
    QStringList edges;
    for (const Functions::TreeNode &node : built.nodes)
        edges << (node.parent < 0 ? QString() : built.nodes.at(node.parent).key) + ">" +
                     (node.song < 0 ? node.key : Functions::SongKey(node.song));
    return edges;
}
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void songsAreAddedBreadthFirstWithDoubledSeparatorAfterTheOthers()
    {
        QTemporaryDir dir;
        const QString a = dir.path() + "/A";
        makeFiles(a, {"/B/C/c.mp3", "/B/b.mp3", "/a.mp3", "/loud.MP3", "/.hidden.mp3", "/old.mp3/in.mp3", "/old.mp3/D/c.mp3", "/demomp3"});
        Model model;
        TestSupport::RecordedViews views(model.screen);
        TestSupport::RecordedProgress progress(model.screen);
        QSignalSpy changes(&model.catalogue, &Catalogue::changed);
        // Untagged files all sort alike, so the songs stay in the order the walk added them.
        const QStringList names = add(model, a);
        QCOMPARE(names.size(), 6);
        QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2), (QSet<QString>{a + "//a.mp3", a + "//demomp3"}));
        QCOMPARE(QSet<QString>(names.begin() + 2, names.begin() + 4), (QSet<QString>{a + "/B//b.mp3", a + "/old.mp3//in.mp3"}));
        QCOMPARE(QSet<QString>(names.begin() + 4, names.end()), (QSet<QString>{a + "/B/C//c.mp3", a + "/old.mp3/D//c.mp3"}));
        QCOMPARE(model.catalogue.Songs().at(5).ShortName, QStringLiteral("c.mp3"));
        // The tree shows the songs as they went in, named after their files by an unknown
        // artist; the tags, read once in, change the catalogue once more.
        QCOMPARE(views.calls, (QStringList{"tree Unknown/c.mp3", "tree No Artist/No SongName"}));
        QCOMPARE(changes.size(), 2);
        QCOMPARE(progress.calls, (QStringList{"show Adding Files 0 0", "show Tagging 0 5", "show Sorting 0 5", "unload"}));
        // With a trailing separator the same songs are added again, after the others.
        QCOMPARE(add(model, a + "/").mid(6), names);
        // Until the catalogue is full, which is said once.
        TestSupport::MakeCatalogue(model, 32765);
        TestSupport::CapturedMessages messages(model.screen);
        add(model, a);
        QVERIFY(model.catalogue.SongCount() == 32767 && model.catalogue.Songs().size() == 32767u);
        QCOMPARE(messages.texts.size(), 1);
        // A file opened by name then is not added either, which is said again.
        QCOMPARE(AddSongFiles(model, {a + "/a.mp3"}), QStringList());
        QCOMPARE(messages.texts.size(), 2);
    }

    void oddEntriesAreWalkedOnceOrPassedOverAndTaggedWithFallbacks()
    {
        QTemporaryDir dir, elsewhere;
        const QString root = dir.path();
        for (const char *name : {"a", "b", "c"})
            TestSupport::WriteSong(root + "/" + name + ".mp3", "Title", name);
        makeFiles(root, {"/empty/x.mp3", QString::fromUtf8("/Café.mp3")});
        makeFiles(elsewhere.path(), {"/far.mp3"});
        // A name that is no text in the file-name encoding could not be opened again.
        for (auto [target, link] : {std::pair{root, "/empty/up"}, {elsewhere.path(), "/far1"}, {elsewhere.path(), "/far2"},
                                    {root + "/nowhere", "/dangling.mp3"}})
            QFile::link(target, root + link);
        TestSupport::MakePipe(root + "/pipe.mp3");
        const QByteArray invalid = QFile::encodeName(root) + "/bad\xff.mp3";
        std::fclose(std::fopen(invalid.constData(), "w"));
        Model model;
        TestSupport::CapturedMessages capture(model.screen);
        add(model, root);
        std::remove(invalid.constData());
        // A file becomes a pipe before the next addition, which tags every song again.
        QFile::remove(root + "/b.mp3");
        TestSupport::MakePipe(root + "/b.mp3");
        add(model, root + "/nowhere");
        QStringList tagged;
        for (const Song &song : model.catalogue.Songs()) // the far song is reached through either link
            tagged << song.LongName.mid(root.size()).replace("/far2/", "/far/").replace("/far1/", "/far/") + ": " + song.Artist;
        tagged.sort();
        QCOMPARE(tagged, (QStringList{QString::fromUtf8("//Café.mp3: No Artist"), "//a.mp3: a", "//b.mp3: No Artist",
                                      "//c.mp3: c", "/empty//x.mp3: No Artist", "/far//far.mp3: No Artist"}));
        QCOMPARE(capture.texts, QStringList());
    }

    void catalogueSortsAsTheUserReadsIt()
    {
        // Letters with unusual case folding, and characters outside the basic plane.
        const QStringList words{"abba", "ABBA", "A", "AB", "a b", "Z", "élan", "Elan", "1999", "(live)", "",
                                "ß", "SS", "ſ", "\u212A", "k", "\U00010400", "\U00010428", "\U0001D400", "\uFB00"};
        QRandomGenerator random(7);
        Screen::Surface screen;
        for (const char *locale : {"C", "en_US"}) {
            QLocale::setDefault(QLocale(locale));
            QCollator collator;
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            for (const KeyForm key : {KeyForm::ArtistSong, KeyForm::SongArtist, KeyForm::FileName}) {
                // The keys in a stable sort's order; songs of equal keys may stand in either order.
                const auto sortsLikeAStableSort = [&](const std::vector<Song> &unsorted) {
                    std::vector<Song> expected = unsorted;
                    std::stable_sort(expected.begin(), expected.end(), [&](const Song &a, const Song &b) {
                        return collator.compare(keyText(a, key), keyText(b, key)) < 0;
                    });
                    SongTable sorted = TestSupport::Table(unsorted);
                    Functions::SortSongs(screen, sorted, key);
                    for (std::size_t i = 0; i < expected.size(); ++i)
                        if (collator.compare(keyText(sorted.SongAt(int(i)), key), keyText(expected[i], key)) != 0)
                            return false;
                    return std::is_permutation(sorted.Songs().begin(), sorted.Songs().end(), expected.begin(),
                                               [](const Song &a, const Song &b) { return a.LongName == b.LongName; });
                };
                // Every order of small catalogues of plain texts, random orders of larger ones and of odd texts.
                for (int size = 1; size <= int(plainSongs.size()); ++size) {
                    std::vector<Song> songs(plainSongs.begin(), plainSongs.begin() + size);
                    const auto byName = [](const Song &a, const Song &b) { return a.LongName < b.LongName; };
                    for (int round = 0; size <= EveryOrderUpTo ? round == 0 || std::next_permutation(songs.begin(), songs.end(), byName)
                                                               : round < RandomOrders; ++round) {
                        if (size > EveryOrderUpTo)
                            std::shuffle(songs.begin(), songs.end(), random);
                        QVERIFY2(sortsLikeAStableSort(songs), qPrintable(QString("form %1, %2 songs, round %3").arg(int(key)).arg(size).arg(round)));
                    }
                }
                for (int round = 0; round < 10; ++round) {
                    std::vector<Song> songs(1 + random.bounded(300));
                    for (std::size_t i = 0; i < songs.size(); ++i)
                        songs[i] = Song{words[random.bounded(words.size())], QString::number(i), 0,
                                        words[random.bounded(words.size())], words[random.bounded(words.size())]};
                    QVERIFY(sortsLikeAStableSort(songs));
                }
            }
            // "A Zebra" comes before "AB Alpha": a space sorts before letters.
            SongTable songs = TestSupport::Table(plainSongs);
            Functions::SortSongs(screen, songs, KeyForm::ArtistSong);
            QCOMPARE(longNames(songs.Songs()), (QStringList{"2", "3", "1", "0", "4", "5", "6", "7", "8", "9"}));
        }
    }

    void treeGroupsRunsOfAnArtist_data()
    {
        QTest::addColumn<QStringList>("artists");
        QTest::addColumn<QStringList>("edges");
        QTest::addColumn<QStringList>("diagnostic"); // the refused song's lines 2 and 7, or none
        QTest::newRow("grouped") << QStringList{"A", "A", "B"}
                                 << QStringList{">Artist", "Artist>A", "A>Key0", "A>Key1", "Artist>B", "B>Key2"} << QStringList();
        QTest::newRow("a repeated run joins the first node")
            << QStringList{"A", "B", "A", "B"}
            << QStringList{">Artist", "Artist>A", "A>Key0", "Artist>B", "B>Key1", "A>Key2", "B>Key3"}
            << QStringList{"Artist ---->A", "i --------->2"};
        QTest::newRow("named like the root") << QStringList{"B", "Artist", "Artist"}
                                             << QStringList{">Artist", "Artist>B", "B>Key0", "Artist>Key1", "Artist>Key2"}
                                             << QStringList{"Artist ---->Artist", "i --------->1"};
        QTest::newRow("case and a trailing blank differ")
            << QStringList{"abba", "ABBA", "ABBA "}
            << QStringList{">Artist", "Artist>abba", "abba>Key0", "Artist>ABBA", "ABBA>Key1", "Artist>ABBA ", "ABBA >Key2"} << QStringList();
        QTest::newRow("named like a song key")
            << QStringList{"A", "Key1", "Key1"} << QStringList{">Artist", "Artist>A", "A>Key0", "Artist>Key1", "Key1>Key1", "Key1>Key2"} << QStringList();
        QTest::newRow("empty catalogue") << QStringList() << QStringList() << QStringList();
    }

    void treeGroupsRunsOfAnArtist()
    {
        QFETCH(QStringList, diagnostic);
        QFETCH(QStringList, artists);
        QString shown;
        QTEST(tree(artists, shown), "edges");
        QCOMPARE(shown.isEmpty(), diagnostic.isEmpty());
        if (!diagnostic.isEmpty()) {
            const QStringList lines = shown.split('\r');
            QCOMPARE(lines.size(), 10);
            QCOMPARE(lines.at(0), QStringLiteral("An Error Occured"));
            QCOMPARE(lines.at(1), diagnostic.at(0));
            QCOMPARE(lines.at(6), diagnostic.at(1));
        }
    }

    void listRowsSongCountAndTheAdditionsChoiceOfView()
    {
        const SongTable songs = TestSupport::Table({Song{" f.mp3 ", "/m/f.mp3", 0, "  Abba ", " Waterloo  "},
                                                    Song{"g.mp3", "/m/g.mp3", 0, "   ", "Solo\t"}});
        QCOMPARE(Functions::SongListRows(songs, KeyForm::ArtistSong), (QStringList{"Abba, Waterloo", ", Solo\t"}));
        QCOMPARE(Functions::SongListRows(songs, KeyForm::SongArtist), (QStringList{"Waterloo, Abba", "Solo\t, "}));
        QCOMPARE(Functions::SongListRows(songs, KeyForm::FileName), (QStringList{"f.mp3", "g.mp3"}));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(SongTotalText(32767), QStringLiteral("32,767"));
        QTemporaryDir dir;
        // The artists' order differs from the titles'.
        TestSupport::WriteSong(dir.filePath("1.mp3"), "Another", "Beta");
        TestSupport::WriteSong(dir.filePath("2.mp3"), "Zed", "Alpha");
        Model model;
        TestSupport::RecordedViews views(model.screen);
        // Nothing added to an empty catalogue: its tree, and no view of the mode.
        AddDirectory(model, dir.filePath("nowhere"));
        // Artist then song in every mode, the tree of what was added, then the view of the mode.
        for (const SortMode mode : {SortMode::ListSongArtist, SortMode::TreeArtistSong}) {
            model.settings.SetSortBy(mode);
            TestSupport::SetSongs(model, {Song{"1.mp3", dir.filePath("1.mp3"), 0, "?", "?"}, Song{"2.mp3", dir.filePath("2.mp3"), 0, "?", "?"}});
            AddDirectory(model, dir.filePath("nowhere"));
            QCOMPARE(model.catalogue.Songs().at(0).Artist, QStringLiteral("Alpha"));
        }
        QCOMPARE(views.calls, (QStringList{"tree", "tree ?/?", "list Zed, Alpha|Another, Beta", "tree ?/?", "tree Beta/Another"}));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "catalogue_test.moc"
