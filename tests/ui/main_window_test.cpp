// The main window over the test player: start-up, the views and what clicks and
// keys on them do, Expand, Collapse and Clear, the time display and the sliders.
#include "core/state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"
#include "support/ui/main_fixture.h"
#include "ui/kit/keyed_tree.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using TestSupport::MainFixture;

namespace {
void fourSongs()
{
    TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}, {" B ", " b1 ", " /m/b1.mp3 "}, {"C", "c1", "/m/c1.mp3"},
                               {"C", "c2", "/m/c2.mp3"}});
}

void doubleClick(Main &main, Kit::KeyedTree::Node *node)
{
    main.TreeView1->Select(node);
    main.TreeView1_DblClick();
}

QStringList queueRows()
{
    QStringList rows;
    for (int k = 0; k < Window<frm_Q>().list_que->count(); ++k)
        rows << Window<frm_Q>().list_que->item(k)->text();
    return rows;
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("korvel.transport.warning=false")); }

    void startUpShowsTheSavedCatalogueInTheSavedMode()
    {
        TestSupport::AppDir dir;
        {
            MainFixture f;
            QVERIFY(f.main->chk_shuffle->isChecked());
            QCOMPARE(f.main->Label_TotalAllSongs->text(), QStringLiteral("0"));
            QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("00:00"));
            QCOMPARE(f.main->TreeView1->Count(), 0);
        }
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"A\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n"
                                   "\"B\",\"three\",\"/m/3.mp3\",\"3.mp3\"\r\n");
        {
            MainFixture f;
            // The root opens on its artists; the artists stay closed.
            QCOMPARE(f.main->TreeView1->Count(), 1 + 2 + 3);
            QVERIFY(f.main->TreeView1->Find("Artist")->isExpanded());
            QVERIFY(!f.main->TreeView1->Find("A")->isExpanded());
            QCOMPARE(f.main->Label_TotalAllSongs->text(), QStringLiteral("3"));
            QVERIFY(f.main->List1->isHidden());
        }
        // The tree is built from the file first, then the saved list mode shows the list.
        dir.write("Korvel.ini", "\"SortBy\",\"LAS\"\r\n");
        MainFixture f;
        QCOMPARE(f.main->TreeView1->Count(), 6);
        QVERIFY(f.main->TreeView1->isHidden() && !f.main->List1->isHidden());
        QCOMPARE(f.main->List1->item(2)->text(), QStringLiteral("B, three"));
    }

    void doubleClickAndEnterPlayOrQueue()
    {
        MainFixture f;
        fourSongs();
        f.main->chk_shuffle->setChecked(false);
        doubleClick(*f.main, f.main->TreeView1->SongNode(1));
        QCOMPARE(SelectedSong.LongName, QStringLiteral("/m/b1.mp3"));
        QCOMPARE(f.player->opened, QStringList{" /m/b1.mp3 "});
        QCOMPARE(f.main->text_CurrentSong->text(), QStringLiteral(" B  -  b1 "));
        frm_Q &q = Window<frm_Q>();
        q.chk_songque->setChecked(true);
        f.main->TreeView1_KeyPress(13);
        f.main->List1->setCurrentRow(2);
        f.main->List1_KeyPress(13);
        QCOMPARE(queueRows(), (QStringList{"B - b1", "C - c1"}));
        QCOMPARE(Qlist.at(1).Index, 2);
        QCOMPARE(f.player->opened.size(), 1);
        QVERIFY(!q.isVisible());

        // The root and artist nodes choose nothing.
        q.chk_songque->setChecked(false);
        doubleClick(*f.main, f.main->TreeView1->Find("Artist"));
        doubleClick(*f.main, f.main->TreeView1->Find("C"));
        QCOMPARE(SelectedSong.Index, 2);
        QCOMPARE(f.player->opened.size(), 1);
    }

    void playingMarksTheSongInTheVisibleView()
    {
        MainFixture f;
        fourSongs();
        f.main->chk_shuffle->setChecked(false);
        auto *tree = f.main->TreeView1;
        for (int n = 0; n < 3; ++n)
            f.main->cmd_next_Click();
        // Each change of artist closed the previous artist's node and revealed the new song.
        QCOMPARE(tree->SelectedItem(), tree->SongNode(2));
        QVERIFY(tree->Find("C")->isExpanded());
        QVERIFY(!tree->Find("A")->isExpanded() && !tree->Find(" B ")->isExpanded());
        f.main->TreeView1->hide();
        f.main->List1->show();
        SortBy = QStringLiteral("LAS");
        f.main->cmd_next_Click();
        QCOMPARE(f.main->List1->currentRow(), 3);
    }

    void singleClicksChooseInTheListButNotInTheTree()
    {
        MainFixture f;
        fourSongs();
        doubleClick(*f.main, f.main->TreeView1->SongNode(0));
        f.main->TreeView1->Select(f.main->TreeView1->SongNode(2));
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened, QStringList{"/m/a1.mp3"});
        f.main->List1->setCurrentRow(3);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/c2.mp3"));
    }

    void viewsBuiltForALargerCatalogueChooseNothing()
    {
        MainFixture f;
        fourSongs();
        SongCount = 1;
        LastSongIndex = 0;
        SelectedSong = {QStringLiteral("before"), 7};
        doubleClick(*f.main, f.main->TreeView1->SongNode(3));
        f.main->List1->setCurrentRow(2);
        f.main->List1_DblClick();
        QCOMPARE(SelectedSong.LongName, QStringLiteral("before"));
        QVERIFY(f.player->opened.isEmpty());
    }

    void expandCollapseAndClear()
    {
        MainFixture f;
        f.main->cmd_expand_Click();
        fourSongs();
        auto *tree = f.main->TreeView1;
        const QList<QTreeWidgetItem *> artists{tree->Find("A"), tree->Find(" B "), tree->Find("C")};
        f.main->cmd_expand_Click();
        QVERIFY(std::all_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        f.main->cmd_shrink_Click();
        QVERIFY(std::none_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        QVERIFY(tree->Find("Artist")->isExpanded());

        doubleClick(*f.main, tree->SongNode(0));
        Window<frm_Q>().chk_songque->setChecked(true);
        doubleClick(*f.main, tree->SongNode(0));
        f.main->cmd_clear->click();
        QCOMPARE(SongCount, 0);
        QCOMPARE(tree->Count(), 0);
        QCOMPARE(f.main->List1->count(), 0);
        QCOMPARE(f.main->Label_TotalAllSongs->text(), QStringLiteral("0"));
        QCOMPARE(SelectedSong.LongName, QStringLiteral("NULLSONG"));
        // The queue, the current song and the player are left as they were.
        QCOMPARE(queueRows(), QStringList{"A - a1"});
        QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/a1.mp3"));
        QCOMPARE(f.player->PlayState(), 2);
    }

    void keysActBeforeTheFocusedControl()
    {
        MainFixture f;
        fourSongs();
        f.main->chk_shuffle->setChecked(false);
        f.main->show();
        f.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        auto press = [](QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            w->setFocus();
            QTest::keyClick(w, key, mods);
        };
        // Shift and "=" on the tree: once as the "=" key, once as the tree's own "+".
        press(f.main->TreeView1, Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", " /m/b1.mp3 "}));
        press(f.main->cmd_play, Qt::Key_Plus, Qt::KeypadModifier);
        press(f.main->cmd_play, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(f.player->opened.size(), 2);
        QVERIFY(!f.main->chk_shuffle->isChecked());
        press(f.main->cmd_play, Qt::Key_Minus);
        QVERIFY(f.main->chk_shuffle->isChecked());
        press(f.main->cmd_play, Qt::Key_Underscore, Qt::ShiftModifier);
        QVERIFY(!f.main->chk_shuffle->isChecked());
        press(f.main->cmd_play, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f.main->TreeView1->hasFocus());

        f.main->TreeView1->hide();
        f.main->List1->show();
        press(f.main->List1, Qt::Key_Equal);
        QCOMPARE(f.player->opened.size(), 3);
        press(f.main->cmd_stop, Qt::Key_T);
        QVERIFY(f.main->cmd_stop->hasFocus());
    }

    void timerTotalTimeSeeksAndVolume()
    {
        MainFixture f;
        QSlider *slider = f.main->Slider1;
        f.player->duration = 185.2;
        f.player->Open("/m/a.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("3:05"));
        QCOMPARE(slider->maximum(), 185);
        // The same file again leaves the total as it was.
        f.player->duration = -1;
        f.player->Open("/m/a.mp3");
        QCOMPARE(slider->maximum(), 185);
        f.player->Open("/m/b.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("0:00"));
        QCOMPARE(slider->maximum(), 0);
        f.player->duration = 200;
        f.player->Open("/m/c.mp3");

        // The timer moves a held slider but never seeks; the user's odd seconds do.
        slider->setSliderDown(true);
        slider->setSliderPosition(37);
        slider->setSliderPosition(38);
        f.player->setPosition(42.4);
        f.main->Timer1_Timer();
        QCOMPARE(slider->value(), 42);
        QCOMPARE(f.main->label_currenttime->text(), QStringLiteral("0:42"));
        slider->setSliderDown(false);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(f.player->seeks, (std::vector<double>{37, 47}));

        f.main->Slider_vol->setValue(-45);
        QCOMPARE(f.player->volumes.back(), -64);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
