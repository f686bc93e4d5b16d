// The artist tree built from the catalogue, its diagnostics, and the song count label.
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/test_app.h"
#include "views/artist_tree.h"

#include <QLabel>
#include <QtTest>

using Platform::KeyedTree;

class ArtistTreeTest : public QObject {
    Q_OBJECT

    TestSupport::AppDir dir_;
    std::unique_ptr<TestSupport::MainFixture> f_;

    KeyedTree &tree() { return *f_->main->TreeView1; }

    // Builds the tree of songs with these artists (song i is titled "t<i>").
    void build(const QStringList &artists)
    {
        Songs.clear();
        for (int i = 0; i < artists.size(); ++i) {
            Song s;
            s.Artist = artists[i];
            s.SongName = QStringLiteral("t%1").arg(i);
            Songs.push_back(s);
        }
        SongCount = static_cast<int16_t>(artists.size());
        LastSongIndex = static_cast<int16_t>(std::max<qsizetype>(0, artists.size() - 1));
        Functions::BuildArtistTree(tree(), Songs, LastSongIndex);
    }

    QStringList childKeys(const QString &key)
    {
        QStringList keys;
        KeyedTree::Node *node = tree().NodeByKey(key);
        for (int i = 0; i < node->childCount(); ++i)
            keys << KeyedTree::Key(node->child(i));
        return keys;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        f_ = std::make_unique<TestSupport::MainFixture>();
    }
    void cleanup() { f_.reset(); }

    void groupedArtistsGetOneNodeEach()
    {
        Platform::MessageCapture capture;
        build({"A", "A", "B"});
        QVERIFY(capture.messages().isEmpty());
        QCOMPARE(tree().Count(), 6);
        QCOMPARE(childKeys("Artist"), (QStringList{"A", "B"}));
        QCOMPARE(childKeys("A"), (QStringList{"Key0", "Key1"}));
        QCOMPARE(childKeys("B"), QStringList{"Key2"});
        QCOMPARE(tree().NodeByKey("Key2")->text(0), QStringLiteral("t2"));
        QVERIFY(KeyedTree::IsSong(tree().NodeByKey("Key0")));
        QVERIFY(!KeyedTree::IsSong(tree().NodeByKey("A")));
        QVERIFY(tree().NodeByKey("Artist")->isExpanded());
        QVERIFY(!tree().NodeByKey("A")->isExpanded());
        QCOMPARE(tree().NodeAt(1), tree().NodeByKey("Artist"));
    }

    void repeatedArtistRunIsReportedOnceAndJoinsTheFirstNode()
    {
        Platform::MessageCapture capture;
        build({"A", "B", "A"});
        QCOMPARE(capture.messages().size(), 1);
        const QStringList lines = capture.messages().at(0).split('\r');
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("An Error Occured"));
        QCOMPARE(lines[1], QStringLiteral("Artist ---->A"));
        QCOMPARE(lines[2], QStringLiteral("SongName -->t2"));
        QCOMPARE(lines[5], QStringLiteral("Id -------->0"));
        QCOMPARE(lines[6], QStringLiteral("i --------->2"));
        QVERIFY(lines[7].startsWith("Err.Number->"));
        QVERIFY(lines[8].startsWith("Err.Desc--->"));
        QVERIFY(lines[9].startsWith("Err.Source->"));
        QCOMPARE(childKeys("Artist"), (QStringList{"A", "B"}));
        QCOMPARE(childKeys("A"), (QStringList{"Key0", "Key2"}));

        // A catalogue in song order repeats artists many times: still one message.
        capture.clear();
        build({"A", "B", "A", "B", "A", "B", "C", "A"});
        QCOMPARE(capture.messages().size(), 1);
        QCOMPARE(childKeys("A"), (QStringList{"Key0", "Key2", "Key4", "Key7"}));
    }

    void artistNamedLikeTheRootFallsUnderTheRoot()
    {
        Platform::MessageCapture capture;
        build({"B", "Artist", "Artist"});
        QCOMPARE(capture.messages().size(), 1);
        QCOMPARE(childKeys("Artist"), (QStringList{"B", "Key1", "Key2"}));
    }

    void caseAndTrailingBlanksMakeDifferentArtists()
    {
        Platform::MessageCapture capture;
        build({"abba", "ABBA", "ABBA ", "ABBA"});
        QCOMPARE(capture.messages().size(), 1);
        QCOMPARE(childKeys("Artist"), (QStringList{"abba", "ABBA", "ABBA "}));
        QCOMPARE(childKeys("ABBA"), (QStringList{"Key1", "Key3"}));
    }

    void emptyCatalogueOnlyClearsTheTree()
    {
        build({"A"});
        QCOMPARE(tree().Count(), 3);
        SongCount = 0;
        Functions::BuildArtistTree(tree(), Songs, LastSongIndex);
        QCOMPARE(tree().Count(), 0);
    }

    void countLabelUsesDigitGroups()
    {
        auto *label = f_->main->findChild<QLabel *>("Label_TotalAllSongs");
        for (auto [count, text] : {std::pair{0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {32767, "32,767"}}) {
            SongCount = static_cast<int16_t>(count);
            f_->main->UpdateSongTotals();
            QCOMPARE(label->text(), QString::fromLatin1(text));
        }
    }
};

QTEST_MAIN(ArtistTreeTest)
#include "artist_tree_test.moc"
