// Sorting by the three keys, TagSort's choice of view, and the list's row forms.
#include "catalogue/sort.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "support/song_files.h"
#include "support/test_app.h"
#include "views/song_list.h"

#include <QCollator>
#include <QListWidget>
#include <QRandomGenerator>
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

QStringList rows(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}
} // namespace

class SortAndListTest : public QObject {
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
                    QStringList order;
                    for (std::size_t i = 0; i < songs.size(); ++i) {
                        QCOMPARE(songs[i].LongName, plain[i].LongName);
                        QVERIFY(i == 0 || collator.compare(keyText(songs[i - 1], key), keyText(songs[i], key)) <= 0);
                        order.append(songs[i].LongName);
                    }
                    QCOMPARE(order.removeDuplicates(), 0);
                }
            }
        }
    }

    void rowFormsJoinTrimmedFields()
    {
        QListWidget list;
        Songs = {Song{" f.mp3 ", "/m/f.mp3", 0, "  Abba ", " Waterloo  "}, Song{"g.mp3", "/m/g.mp3", 0, "   ", "Solo"}};
        SongCount = 2;
        Functions::FillSongList(list, Songs, 1, "AS");
        QCOMPARE(rows(list), (QStringList{"Abba, Waterloo", ", Solo"}));
        Functions::FillSongList(list, Songs, 1, "SA");
        QCOMPARE(rows(list), (QStringList{"Waterloo, Abba", "Solo, "}));
        Functions::FillSongList(list, Songs, 1, "F");
        QCOMPARE(rows(list), (QStringList{"f.mp3", "g.mp3"}));
        Functions::FillSongList(list, Songs, 1, "f");
        QCOMPARE(list.count(), 0);
    }

    void tagSortTagsSortsAndFillsTheModesView()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        TestSupport::WriteSong(dir.file("1.mp3"), "Yes", "Beta");
        TestSupport::WriteSong(dir.file("2.mp3"), "No", "Alpha");
        Songs = {Song{"1.mp3", dir.file("1.mp3"), 0, "?", "?"}, Song{"2.mp3", dir.file("2.mp3"), 0, "?", "?"}};
        SortBy = "LSA";
        f.main->TagSort();
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("?"));

        SongCount = 2;
        LastSongIndex = 1;
        SortBy = "tas";
        f.main->TagSort();
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("Alpha"));
        QCOMPARE(f.main->TreeView1->Count() + f.main->List1->count(), 0);
        SortBy = "LSA";
        f.main->TagSort();
        QCOMPARE(rows(*f.main->List1), (QStringList{"No, Alpha", "Yes, Beta"}));
        SortBy = "TAS";
        f.main->TagSort();
        QCOMPARE(f.main->TreeView1->Count(), 1 + 2 + 2);
    }
};

QTEST_MAIN(SortAndListTest)
#include "sort_and_list_test.moc"
