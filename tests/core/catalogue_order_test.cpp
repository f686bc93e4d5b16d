// The catalogue's order and its views: sorting by the three keys, the artist tree's
// nodes and diagnostics, the list's rows, the song count, and TagSort's choice of view.
#include "core/catalogue/artist_tree.h"
#include "core/catalogue/catalogue.h"
#include "core/catalogue/song_list.h"
#include "core/catalogue/sort.h"
#include "core/catalogue/tag_sort.h"
#include "core/state/globals.h"
#include "support/screen_doubles.h"
#include "support/song_files.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString keyText(const Song &s, const QString &key)
{
    return key == "AS" ? s.Artist + ' ' + s.SongName : key == "SA" ? s.SongName + ' ' + s.Artist : s.ShortName;
}

// The comb sort written plainly: key texts built and compared for every pair.
void plainCombSort(std::vector<Song> &songs, const QString &key, const QCollator &collator)
{
    const int hi = static_cast<int>(songs.size()) - 1;
    for (int gap = std::max(hi / 2, 1); gap != 0; gap = static_cast<int>(gap / 1.3)) {
        for (int i = gap; i <= hi; ++i) {
            const int j = i - gap;
            if (collator.compare(keyText(songs[j], key), keyText(songs[i], key)) > 0) {
                std::swap(songs[j], songs[i]);
                if (gap == 1 && j - 1 >= 0)
                    i = j - 1;
            }
        }
    }
}

// The songs' LongNames after sorting two songs given as artist, song name and file name.
QStringList sortedPair(const QStringList &first, const QStringList &second, const QString &key)
{
    std::vector<Song> songs{Song{first[2], "1", 0, first[0], first[1]}, Song{second[2], "2", 0, second[0], second[1]}};
    Functions::SortSongs(0, 1, songs, key);
    return {songs[0].LongName, songs[1].LongName};
}

// The tree of songs with these artists (song i is titled "t<i>"), each node written
// as its parent's key, ">", its key.
QStringList tree(const QStringList &artists)
{
    Songs.clear();
    for (int i = 0; i < artists.size(); ++i)
        Songs.push_back(Song{"f", "p", 0, artists[i], QStringLiteral("t%1").arg(i)});
    const auto nodes = Functions::BuildArtistTree(Songs, static_cast<int16_t>(std::max<qsizetype>(0, artists.size() - 1)),
                                                  static_cast<int16_t>(artists.size()));
    QStringList edges;
    for (const Functions::TreeNode &node : nodes)
        edges << (node.parent < 0 ? QString() : nodes.at(node.parent).key) + ">" + node.key;
    return edges;
}
} // namespace

class CatalogueOrderTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void catalogueSortsAsTheUserReadsIt()
    {
        // Letters with unusual case folding, and characters outside the basic plane.
        const QStringList words{"abba", "ABBA", "A", "AB", "a b", "Z", "élan", "Elan", "1999", "(live)", "",
                                "ß", "SS", "ſ", "\u212A", "k", "\U00010400", "\U00010428", "\U0001D400", "\uFB00"};
        QRandomGenerator random(7);
        for (const char *locale : {"C", "en_US"}) {
            QLocale::setDefault(QLocale(locale));
            const QStringList twoSongs{"2", "1"};
            QCOMPARE(sortedPair({"B", "x", "f"}, {"a", "y", "f"}, "AS"), twoSongs);
            QCOMPARE(sortedPair({"AB", "A", "f"}, {"A", "Z", "f"}, "AS"), twoSongs);
            QCOMPARE(sortedPair({"A", "1", "b.mp3"}, {"Z", "2", "a.mp3"}, "F"), twoSongs);
            QCOMPARE(sortedPair({"abba", "S", "f"}, {"ABBA", "S", "f"}, "AS"), QStringList({"1", "2"}));
            QCOMPARE(sortedPair({"ABBA", "S", "f"}, {"abba", "S", "f"}, "AS"), QStringList({"1", "2"}));
            QCOMPARE(sortedPair({"B", "x", "f"}, {"a", "y", "f"}, "as"), QStringList({"1", "2"}));

            QCollator collator;
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            for (const QString key : {"AS", "SA", "F"}) {
                for (int round = 0; round < 10; ++round) {
                    std::vector<Song> songs(1 + random.bounded(300));
                    for (std::size_t i = 0; i < songs.size(); ++i)
                        songs[i] = Song{words[random.bounded(words.size())], QString::number(i), 0,
                                        words[random.bounded(words.size())], words[random.bounded(words.size())]};
                    std::vector<Song> plain = songs;
                    plainCombSort(plain, key, collator);
                    Functions::SortSongs(0, static_cast<int16_t>(songs.size() - 1), songs, key);
                    for (std::size_t i = 0; i < songs.size(); ++i)
                        QCOMPARE(songs[i].LongName, plain[i].LongName);
                }
            }
        }
    }

    void treeGroupsRunsOfAnArtist_data()
    {
        QTest::addColumn<QStringList>("artists");
        QTest::addColumn<QStringList>("edges");
        QTest::addColumn<QString>("diagnostic"); // the refused song's lines 2 and 7, or ""
        QTest::newRow("grouped") << QStringList{"A", "A", "B"}
                                 << QStringList{">Artist", "Artist>A", "A>Key0", "A>Key1", "Artist>B", "B>Key2"} << "";
        QTest::newRow("a repeated run joins the first node")
            << QStringList{"A", "B", "A"} << QStringList{">Artist", "Artist>A", "A>Key0", "Artist>B", "B>Key1", "A>Key2"}
            << "Artist ---->A|i --------->2";
        QTest::newRow("named like the root") << QStringList{"B", "Artist", "Artist"}
                                             << QStringList{">Artist", "Artist>B", "B>Key0", "Artist>Key1", "Artist>Key2"}
                                             << "Artist ---->Artist|i --------->1";
        QTest::newRow("case and a trailing blank differ")
            << QStringList{"abba", "ABBA", "ABBA "}
            << QStringList{">Artist", "Artist>abba", "abba>Key0", "Artist>ABBA", "ABBA>Key1", "Artist>ABBA ", "ABBA >Key2"} << "";
        QTest::newRow("empty catalogue") << QStringList{} << QStringList{} << "";
    }

    void treeGroupsRunsOfAnArtist()
    {
        QFETCH(QStringList, artists);
        TestSupport::CapturedMessages messages;
        QTEST(tree(artists), "edges");
        QFETCH(QString, diagnostic);
        if (diagnostic.isEmpty()) {
            QCOMPARE(messages.texts, QStringList());
            return;
        }
        QCOMPARE(messages.texts.size(), 1);
        const QStringList lines = messages.texts.at(0).split('\r');
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.at(0), QStringLiteral("An Error Occured"));
        QCOMPARE(lines.at(1) + "|" + lines.at(6), diagnostic);
    }

    void aCatalogueInSongOrderIsReportedOnce()
    {
        TestSupport::CapturedMessages messages;
        const QStringList edges = tree({"A", "B", "A", "B", "A", "B", "C", "A"});
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(edges.filter(QRegularExpression("^A>")), (QStringList{"A>Key0", "A>Key2", "A>Key4", "A>Key7"}));
    }

    void listRowsJoinTrimmedFields()
    {
        const std::vector<Song> songs{Song{" f.mp3 ", "/m/f.mp3", 0, "  Abba ", " Waterloo  "},
                                      Song{"g.mp3", "/m/g.mp3", 0, "   ", "Solo\t"}};
        QCOMPARE(Functions::SongListRows(songs, 1, 2, "AS"), (QStringList{"Abba, Waterloo", ", Solo\t"}));
        QCOMPARE(Functions::SongListRows(songs, 1, 2, "SA"), (QStringList{"Waterloo, Abba", "Solo\t, "}));
        QCOMPARE(Functions::SongListRows(songs, 1, 2, "F"), (QStringList{"f.mp3", "g.mp3"}));
        QCOMPARE(Functions::SongListRows(songs, 1, 2, "f"), QStringList());
        QCOMPARE(Functions::SongListRows(songs, 0, 0, "AS"), QStringList());
    }

    void songCountUsesDigitGroups()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (auto [count, text] : {std::pair{0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {32767, "32,767"}})
            QCOMPARE(SongTotalText(static_cast<int16_t>(count)), QString::fromLatin1(text));
    }

    void tagSortTagsSortsAndRebuildsTheModesView_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("rebuilt");
        QTest::newRow("tree") << "TAS" << QStringList{"tree"};
        QTest::newRow("song-artist list") << "LSA" << QStringList{"list SA"};
        QTest::newRow("file list") << "LF" << QStringList{"list F"};
        QTest::newRow("no such mode") << "tas" << QStringList{};
    }

    void tagSortTagsSortsAndRebuildsTheModesView()
    {
        QFETCH(QString, mode);
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.filePath("1.mp3"), "Yes", "Beta");
        TestSupport::WriteSong(dir.filePath("2.mp3"), "No", "Alpha");
        Songs = {Song{"1.mp3", dir.filePath("1.mp3"), 0, "?", "?"}, Song{"2.mp3", dir.filePath("2.mp3"), 0, "?", "?"}};
        SortBy = mode;
        TestSupport::RecordedViews views;
        SongCount = 0;
        TagSort();
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("?"));
        SongCount = 2;
        LastSongIndex = 1;
        TagSort();
        // Artist then song in every mode.
        QCOMPARE(Songs.at(0).Artist + Songs.at(1).Artist, QStringLiteral("AlphaBeta"));
        QTEST(views.calls, "rebuilt");
    }
};

QTEST_GUILESS_MAIN(CatalogueOrderTest)
#include "catalogue_order_test.moc"
