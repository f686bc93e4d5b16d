// The song queue window and the views: choosing, playing and queueing songs, and the
// Expand, Collapse and Clear buttons, over the test player.
#include "app/windows.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "playback/queue_window.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using TestSupport::MainFixture;

namespace {
void fourSongs(Main &main)
{
    TestSupport::SetCatalogue(main, {{"A", "a1", "/m/a1.mp3"}, {" B ", " b1 ", " /m/b1.mp3 "}, {"C", "c1", "/m/c1.mp3"},
                                     {"C", "c2", "/m/c2.mp3"}});
    main.chk_shuffle->setChecked(false);
}

void queueNames(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        Window<frm_Q>().Append({QString::fromLatin1(name), 0}, QString::fromLatin1(name));
}

// The rows, checked against the entries they must always agree with.
QStringList rows()
{
    const frm_Q &q = Window<frm_Q>();
    QStringList texts, entries;
    for (int k = 0; k < q.list_que->count(); ++k)
        texts << q.list_que->item(k)->text();
    for (int k = 0; k < QCount; ++k)
        entries << Qlist.at(k).LongName;
    const bool sentinel = QCount > 0 || (Qlist.size() == 1 && Qlist.at(0).LongName == QueueSentinel);
    return texts == entries && sentinel && Qlist.size() == std::size_t(std::max<int>(QCount, 1)) ? texts
                                                                                                 : QStringList{"out of step"};
}

void doubleClick(Main &main, const QString &key)
{
    main.TreeView1->Select(main.TreeView1->Find(key));
    main.TreeView1_DblClick();
}
} // namespace

class QueueViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Songs.clear();
        SortBy = QStringLiteral("TAS");
    }

    void removeAndMoveEntries()
    {
        MainFixture f;
        frm_Q &q = Window<frm_Q>();
        Platform::MessageCapture messages;
        q.cmd_QueUp->click();
        q.cmd_QueDown->click();
        QCOMPARE(messages.messages(), (QStringList{"No Songs in Q", "No Songs in Q"}));
        queueNames({"A", "B", "C", "D"});
        q.cmd_QueRemove->click();  // nothing selected
        q.list_que->setCurrentRow(1);
        q.cmd_QueRemove->click();
        QCOMPARE(rows(), (QStringList{"A", "C", "D"}));
        q.list_que->setCurrentRow(0);
        q.cmd_QueUp->click();
        q.list_que->setCurrentRow(2);
        q.cmd_QueDown->click();
        q.cmd_QueUp->click();
        q.cmd_QueUp->click();
        QCOMPARE(rows(), (QStringList{"D", "A", "C"}));
        QCOMPARE(q.list_que->currentRow(), 0);
        for (int n = 0; n < 3; ++n) {
            q.list_que->setCurrentRow(0);
            q.cmd_QueRemove->click();
        }
        QCOMPARE(rows(), QStringList{});
        queueNames({"E"});
        QCOMPARE(rows(), QStringList{"E"});
        QCOMPARE(messages.messages().size(), 2);
    }

    void clearThenCloseThenSongQ()
    {
        MainFixture f;
        f.main->cmd_Q->click();
        frm_Q &q = Window<frm_Q>();
        q.chk_songque->setChecked(true);
        queueNames({"A", "B"});
        q.cmd_QueClear->click();
        QCOMPARE(rows(), QStringList{});
        q.cmd_close->click();
        QVERIFY(!q.isVisible());
        f.main->cmd_Q->click();
        QVERIFY(q.isVisible() && q.chk_songque->isChecked());
    }

    void aHeadMovedDownWhilePlayingStaysQueued()
    {
        MainFixture f;
        fourSongs(*f.main);
        frm_Q &q = Window<frm_Q>();
        for (int i : {0, 2, 3})
            q.Append({Songs.at(i).LongName, int16_t(i)}, Songs.at(i).LongName);
        q.chk_songque->setChecked(true);
        f.main->cmd_play_Click();
        q.list_que->setCurrentRow(0);
        q.cmd_QueDown->click();
        f.player->finishSong();
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", "/m/c1.mp3"}));
        QCOMPARE(rows(), (QStringList{"/m/c1.mp3", "/m/a1.mp3", "/m/c2.mp3"}));
    }

    void doubleClickPlaysOrQueues()
    {
        MainFixture f;
        fourSongs(*f.main);
        doubleClick(*f.main, "Key1");
        QCOMPARE(SelectedSong.LongName + QString::number(SelectedSong.Index), QStringLiteral("/m/b1.mp31"));
        QCOMPARE(f.player->opened, QStringList{" /m/b1.mp3 "});
        frm_Q &q = Window<frm_Q>();
        q.chk_songque->setChecked(true);
        f.main->TreeView1_KeyPress(13);
        f.main->List1->setCurrentRow(2);
        f.main->List1_KeyPress(13);
        QCOMPARE(q.list_que->item(0)->text() + "|" + q.list_que->item(1)->text(), QStringLiteral("B - b1|C - c1"));
        QCOMPARE(Qlist.at(1).Index, 2);
        QCOMPARE(f.player->opened.size(), 1);
        QVERIFY(!q.isVisible());
    }

    void onlySongsOfTheCatalogueAreChosen()
    {
        MainFixture f;
        TestSupport::SetCatalogue(*f.main, {{"Key1", "k", "/m/k.mp3"}});
        // The catalogue grew since the build: the artist node "Key1" looks like song 1's key.
        AppendSong(Songs, LastSongIndex, SongCount).LongName = QStringLiteral("/m/extra.mp3");
        SelectedSong = {QStringLiteral("before"), 7};
        for (const char *key : {"Artist", "Key1"})
            doubleClick(*f.main, key);
        f.main->TreeView1->clearSelection();
        f.main->TreeView1_DblClick();
        // The views were built for four songs; the catalogue has shrunk to one since.
        fourSongs(*f.main);
        SongCount = 1;
        LastSongIndex = 0;
        doubleClick(*f.main, "Key3");
        f.main->List1->setCurrentRow(2);
        f.main->List1_DblClick();
        QCOMPARE(SelectedSong.LongName, QStringLiteral("before"));
        Window<frm_Q>().chk_songque->setChecked(true);
        doubleClick(*f.main, "Key3");
        f.main->cmd_clear_Click();
        f.main->List1->addItem("stale row");
        f.main->List1->setCurrentRow(0);
        f.main->List1_DblClick();
        QCOMPARE(SelectedSong.Index, -1);
        QCOMPARE(QCount, 0);
        QVERIFY(f.player->opened.isEmpty());
    }

    void treeClickKeepsTheChoiceButListClickMakesIt()
    {
        MainFixture f;
        fourSongs(*f.main);
        doubleClick(*f.main, "Key0");
        f.main->TreeView1->Select(f.main->TreeView1->Find("Key2"));
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened, QStringList{"/m/a1.mp3"});
        f.main->List1->setCurrentRow(3);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/c2.mp3"));
    }

    void a32768thEntryIsRefused()
    {
        MainFixture f;
        TestSupport::SetCatalogue(*f.main, {{"A", "a", "/m/a.mp3"}});
        Window<frm_Q>().chk_songque->setChecked(true);
        for (int n = 0; n < 32767; ++n)
            Window<frm_Q>().Append({"/m/a.mp3", 0}, QStringLiteral("/m/a.mp3"));
        Platform::MessageCapture messages;
        doubleClick(*f.main, "Key0");
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(rows().size(), 32767);
    }

    void expandCollapseAndClear()
    {
        MainFixture f;
        f.main->cmd_expand_Click();
        fourSongs(*f.main);
        auto *tree = f.main->TreeView1;
        const QList<QTreeWidgetItem *> artists{tree->Find("A"), tree->Find(" B "), tree->Find("C")};
        f.main->cmd_expand_Click();
        QVERIFY(std::all_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        f.main->cmd_shrink_Click();
        QVERIFY(std::none_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        QVERIFY(tree->Find("Artist")->isExpanded() && tree->updatesEnabled());

        doubleClick(*f.main, "Key0");
        queueNames({"Q"});
        f.main->cmd_clear_Click();
        QCOMPARE(Songs.size() + SongCount + LastSongIndex + tree->Count() + f.main->List1->count(), 1u);
        QVERIFY(Songs.at(0).LongName.isEmpty());
        QCOMPARE(SelectedSong.LongName + QString::number(SelectedSong.Index), QStringLiteral("NULLSONG-1"));
        QCOMPARE(f.main->Label_TotalAllSongs->text(), QStringLiteral("0"));
        QCOMPARE(rows(), QStringList{"Q"});
        QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/a1.mp3"));
        QCOMPARE(f.player->PlayState() * 10 + f.player->stopCalls, 20);
    }
};

QTEST_MAIN(QueueViewsTest)
#include "queue_views_test.moc"
