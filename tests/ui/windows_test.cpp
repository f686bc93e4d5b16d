// SPDX-License-Identifier: GPL-3.0-or-later
// The windows over the test player: start-up, clicks and keys on the views, time display, and the small windows.
#include "core/playback/queue.h"
#include "support/ui/main_fixture.h"

#include <QtTest>

using TestSupport::MainFixture;

namespace {
// Four songs in the tree and the list, shuffle off, the window shown and active.
void fourSongs(MainFixture &f)
{
    TestSupport::SetCatalogue(f.model(), {{"A", "a1", "/m/a1.mp3"}, {" B ", " b1 ", " /m/b1.mp3 "}, {"C", "c1", "/m/c1.mp3"},
                               {"C", "c2", "/m/c2.mp3"}});
    f.model().options.SetShuffle(false);
    f.main->show();
    f.main->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(f.main)); }();
}

QStringList rows(const QListWidget &list)
{
    QStringList texts;
    for (int k = 0; k < list.count(); ++k)
        texts << list.item(k)->text();
    return texts;
}

// A click, then a double click, in the empty space below the rows, as the window system sends them:
// press, release; press, release, the second press also a double click.
void clickThenDoubleClickBelowTheRows(QAbstractItemView *view)
{
    const QPoint below = view->viewport()->mapTo(view->window(), QPoint(5, view->viewport()->height() - 3));
    QTest::mouseClick(view->window()->windowHandle(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(view->window()->windowHandle(), Qt::LeftButton, {}, below);
}

// Makes the directory row named `name` current and returns where it is drawn.
QPoint choose(Kit::DirectoryListBox &list, const QString &name)
{
    list.setCurrentItem(list.findItems(name, Qt::MatchExactly).value(0));
    return list.visualItemRect(list.currentItem()).center();
}
} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("korvel.playcontrol.warning=false")); }
    void cleanup() { Platform::SetDriveRoots({}); }

    void startUpShowsTheSavedCatalogueInTheSavedMode()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"A\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n"
                                   "\"B\",\"three\",\"/m/3.mp3\",\"3.mp3\"\r\n");
        QTemporaryDir drive;
        Platform::SetDriveRoots({"/", drive.path()});
        dir.write("Korvel.ini", "\"SortBy\",\"LAS\"\r\n\"SongsStartDir\",\"" + drive.path().toUtf8() +
                                    "\"\r\n\"FontSize\",50\r\n\"ListName3\",\"Road trip, 2004\"\r\n\"Tags\",\"ID3v2\"\r\n");
        MainFixture f;
        // The window stands centred across the screen.
        QVERIFY(qAbs(f.main->frameGeometry().center().x() - QGuiApplication::primaryScreen()->availableGeometry().center().x()) <= 1);
        // The root opens on its artists; the artists stay closed.
        QCOMPARE(f.tree()->Count(), 1 + 2 + 3);
        QVERIFY(f.tree()->Find("Artist")->isExpanded());
        QVERIFY(!f.tree()->Find("A")->isExpanded());
        // The settings reach the windows; a saved list mode shows the list.
        QVERIFY(f.tree()->isHidden() && !f.list()->isHidden());
        QCOMPARE(f.list()->item(2)->text(), QStringLiteral("B, three"));
        QCOMPARE(f.main->Window<frm_addsongs>().Drive1->Drive(), drive.path());
        // A size outside 8..30 stays in the setting but the views keep within.
        QCOMPARE(f.main->Window<frm_Options>().text_FontSize->text(), QStringLiteral("50"));
        QCOMPARE(f.list()->font().pointSize(), 30);
        frm_QuickLoad &quickLoad = f.main->Window<frm_QuickLoad>();
        QCOMPARE(quickLoad.text_ListName[3]->text(), QStringLiteral("Road trip, 2004"));
        // A name typed in one row is saved by the Save of any other.
        quickLoad.text_ListName[1]->setText(QStringLiteral("Typed"));
        quickLoad.cmd_Save[4]->click();
        QVERIFY(dir.read("Korvel.ini").contains("\"ListName1\",\"Typed\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"Road"));
        // The Edit menu shows the ID3v2 reading that the settings keep; turned off, its line goes.
        QAction *tags = f.main->findChild<QAction *>("mnu_ReadId3v2Tags");
        const QByteArray saved = dir.read("Korvel.ini");
        QVERIFY(tags->isChecked() && saved.endsWith("\"Tags\",\"ID3v2\"\r\n"));
        // Switched, it changes only its own line of the file as saved: edits not saved stay out.
        quickLoad.text_ListName[2]->setText(QStringLiteral("Unsaved"));
        f.main->Window<frm_Options>().Opt_Sort_TAS->click();
        tags->trigger();
        QCOMPARE(dir.read("Korvel.ini"), QByteArray(saved).replace("\"Tags\",\"ID3v2\"\r\n", ""));
        QCOMPARE(f.model().settings.Tags(), Functions::TagReading::Id3v1);
    }

    void theViewsChooseTheirSelectionToPlayOrQueueAndClearLeavesQueueAndPlayer()
    {
        MainFixture f;
        fourSongs(f);
        auto *tree = f.tree();
        const QList<QTreeWidgetItem *> artists{tree->Find("A"), tree->Find(" B "), tree->Find("C")};
        for (int n = 0; n < 3; ++n)
            f.click("cmd_next");
        // Each change of artist closes the previous artist's node.
        QCOMPARE(tree->SelectedItem(), tree->SongNode(2));
        QVERIFY(tree->Find("C")->isExpanded() && !tree->Find("A")->isExpanded() && !tree->Find(" B ")->isExpanded());
        f.click("cmd_expand");
        QVERIFY(std::all_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        f.click("cmd_shrink");
        QVERIFY(std::none_of(artists.begin(), artists.end(), [](auto *n) { return n->isExpanded(); }));
        QVERIFY(tree->Find("Artist")->isExpanded());
        // A click chooses nothing, nor does it clear the choice; a double click anywhere plays the selected song node.
        tree->Select(tree->SongNode(1));
        f.click("cmd_play");
        QCOMPARE(f.player->opened.size(), 3);
        tree->Select(tree->SongNode(1));
        clickThenDoubleClickBelowTheRows(tree);
        QCOMPARE(f.player->opened.last(), QStringLiteral(" /m/b1.mp3 "));
        QCOMPARE(f.control<QLineEdit>("text_CurrentSong")->text(), QStringLiteral(" B  -  b1 "));
        for (const char *key : {"Artist", "C"}) {
            tree->Select(tree->Find(key));
            clickThenDoubleClickBelowTheRows(tree);
        }
        // With the queue active, Enter queues instead of playing.
        frm_Q &q = f.main->Window<frm_Q>();
        q.chk_songque->setChecked(true);
        tree->Select(tree->SongNode(1));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        f.list()->show();
        f.list()->setCurrentRow(2);
        f.list()->setFocus();
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(rows(*q.list_que), (QStringList{"B - b1", "C - c1"}));
        QVERIFY(!q.isVisible());
        q.chk_songque->setChecked(false);
        QCOMPARE(f.player->opened.size(), 4);
        // In the list a row only made current (as on taking the focus) chooses nothing.
        tree->hide();
        f.list()->show();
        f.list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        f.list()->setFocus();
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.player->opened.size(), 4);
        f.list()->setCurrentRow(3);
        clickThenDoubleClickBelowTheRows(f.list());
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/c2.mp3"));
        // The end of the last song plays the first.
        emit f.player->EndOfStream(f.player->Opened());
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/a1.mp3"));
        f.click("cmd_clear");
        QCOMPARE(tree->Count(), 0);
        QCOMPARE(f.list()->count(), 0);
        QCOMPARE(f.control<QLabel>("Label_TotalAllSongs")->text(), QStringLiteral("0"));
        QCOMPARE(rows(*q.list_que), (QStringList{"B - b1", "C - c1"}));
        QCOMPARE(f.player->PlayState(), 2);
        QCOMPARE(f.model().pointers.SelectedSong().Index, -1);
    }

    void keysActBeforeTheFocusedControl()
    {
        MainFixture f;
        fourSongs(f);
        auto press = [](QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            w->setFocus();
            QTest::keyClick(w, key, mods);
        };
        // Shift and "=" on the tree: once as the "=" key, once as the tree's own "+".
        press(f.tree(), Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", " /m/b1.mp3 "}));
        press(f.control<QPushButton>("cmd_play"), Qt::Key_Minus, Qt::KeypadModifier);
        press(f.control<QPushButton>("cmd_play"), Qt::Key_Minus);
        QVERIFY(f.control<QCheckBox>("chk_shuffle")->isChecked());
        press(f.control<QPushButton>("cmd_play"), Qt::Key_Underscore, Qt::ShiftModifier);
        QVERIFY(!f.control<QCheckBox>("chk_shuffle")->isChecked());
        press(f.control<QPushButton>("cmd_play"), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f.tree()->hasFocus());
        f.tree()->hide();
        f.list()->show();
        press(f.list(), Qt::Key_Equal);
        QCOMPARE(f.player->opened.size(), 3);
        press(f.control<QPushButton>("cmd_stop"), Qt::Key_T);
        QVERIFY(f.control<QPushButton>("cmd_stop")->hasFocus());
    }

    void timerTotalTimeAndSeeks()
    {
        MainFixture f;
        QSlider *slider = f.control<QSlider>("Slider1");
        f.player->duration = 185.2;
        f.player->Open("/m/a.mp3");
        QCOMPARE(f.control<QLabel>("label_totaltime")->text(), QStringLiteral("3:05"));
        QCOMPARE(slider->maximum(), 185);
        // The same file again leaves the total as it was; an unknown length shows 0:00.
        f.player->duration = -1;
        f.player->Open("/m/a.mp3");
        QCOMPARE(slider->maximum(), 185);
        f.player->Open("/m/b.mp3");
        QCOMPARE(f.control<QLabel>("label_totaltime")->text(), QStringLiteral("0:00"));
        // A length the player learns only after the file was loaded is shown then.
        f.player->duration = 200;
        emit f.player->DurationChange();
        QCOMPARE(f.control<QLabel>("label_totaltime")->text(), QStringLiteral("3:20"));
        // The timer moves a held slider too (which seeks, on the user's odd seconds only, the real engine's test shows).
        slider->setSliderDown(true);
        f.player->position = 42.4;
        QTRY_COMPARE(slider->value(), 42);
        QCOMPARE(f.control<QLabel>("label_currenttime")->text(), QStringLiteral("0:42"));
    }

    void queueWindowReordersRemovesAndClearsAndEachEntryPlaysTheSongItNames()
    {
        MainFixture f;
        TestSupport::RecordedMessages &messages = f.messages;
        f.click("cmd_Q");
        frm_Q &q = f.main->Window<frm_Q>();
        q.cmd_QueUp->click();
        q.cmd_QueDown->click();
        QCOMPARE(messages.texts, (QStringList{"No Songs in Q", "No Songs in Q"}));
        TestSupport::SetCatalogue(f.model(), {{"A", "4", "/a"}, {"B", "3", "/b"}, {"C", "2", "/c"}, {"D", "1", "/d"}});
        for (int i = 0; i < 4; ++i)
            QueueSong(f.model(), {f.model().catalogue.Songs().at(i).LongName, int16_t(i)});
        for (auto [row, button] : {std::pair{-1, q.cmd_QueRemove}, {1, q.cmd_QueRemove}, {0, q.cmd_QueUp},
                                   {2, q.cmd_QueDown}, {2, q.cmd_QueUp}, {1, q.cmd_QueUp}}) {
            if (row >= 0)
                q.list_que->setCurrentRow(row);
            button->click();
        }
        QCOMPARE(rows(*q.list_que), (QStringList{"D - 1", "A - 4", "C - 2"}));
        QCOMPARE(q.list_que->currentRow(), 0);
        q.chk_songque->setChecked(true);
        // Re-sorted, the head plays its own song; once it ends, "A - 4", no longer listed, is passed over.
        f.main->Window<frm_Options>().Opt_Sort_LSA->click();
        f.click("cmd_play");
        TestSupport::SetCatalogue(f.model(), {{"B", "3", "/b"}, {"C", "2", "/c"}, {"D", "1", "/d"}});
        emit f.player->EndOfStream(f.player->Opened());
        QCOMPARE(f.player->opened, (QStringList{"/d", "/c"}));
        QCOMPARE(rows(*q.list_que), QStringList{"C - 2"});
        q.cmd_QueClear->click();
        QCOMPARE(q.list_que->count(), 0);
        q.cmd_close->click();
        f.click("cmd_Q");
        QVERIFY(q.isVisible() && q.chk_songque->isChecked());
        // Another main window has a queue window of its own; the desktop's Quit closes one and the windows it opened.
        MainFixture other;
        QVERIFY(other.main->Window<frm_Q>().chk_songque->isChecked() == false && other.main->Window<frm_Q>().parent() == other.main);
        const QPointer<frm_Q> queue = &q;
        emit f.jukebox.raiseAsked();
        QVERIFY(f.main->isVisible());
        emit f.jukebox.quitAsked();
        QVERIFY(!f.main->isVisible() && queue.isNull());
    }

    void aRefusedFontSizeCancelsTheClickAndTheModeButtonsSortAndSwitchTheViews()
    {
        TestSupport::AppDir dir;
        MainFixture f;
        TestSupport::RecordedMessages &capture = f.messages;
        f.list()->addItem(QStringLiteral("from before"));
        f.main->findChild<QAction *>("mnu_Options")->trigger();
        frm_Options &options = f.main->Window<frm_Options>();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        options.text_FontSize->setFocus();
        options.text_FontSize->setText("ab");
        QTest::keyClick(options.text_FontSize, Qt::Key_Tab);
        QTRY_COMPARE(capture.texts, QStringList{QStringLiteral("Please enter a Number Between 8-30")});
        for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{options.cmd_Close, options.cmd_Save, options.Opt_Sort_LSA})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(capture.texts.size(), 4);
        QVERIFY(options.isVisible() && options.text_FontSize->hasFocus());
        QCOMPARE(f.model().settings.SortBy(), SortMode::TreeArtistSong);
        QVERIFY(!QFileInfo::exists(dir.file("Korvel.ini")));
        // An accepted size lets the click go on; with no songs the list mode only switches the view.
        options.text_FontSize->setText("31");
        QTest::mouseClick(options.Opt_Sort_LSA, Qt::LeftButton);
        QCOMPARE(f.tree()->font().pointSize(), 30);
        QCOMPARE(f.model().settings.SortBy(), SortMode::ListSongArtist);
        QVERIFY(f.tree()->isHidden() && !f.list()->isHidden());
        QCOMPARE(f.list()->count(), 1);
        // The tree after the song-artist mode plays the songs its nodes name.
        TestSupport::SetCatalogue(f.model(), {{"B", "alpha", "/m/1.mp3"}, {"A", "delta", "/m/2.mp3"}, {"A", "beta", "/m/3.mp3"},
                                   {"C", "gamma", "/m/4.mp3"}});
        options.Opt_Sort_LSA->click();
        QCOMPARE(rows(*f.list()), (QStringList{"alpha, B", "beta, A", "delta, A", "gamma, C"}));
        options.Opt_Sort_TAS->click();
        QVERIFY(!f.tree()->isHidden());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.tree()->SongNode(i)->text(0), f.model().catalogue.Songs().at(i).SongName);
            QCOMPARE(f.tree()->SongNode(i)->parent()->text(0), f.model().catalogue.Songs().at(i).Artist);
        }
    }

    void addSongsWindowOpensDirectoriesAndAddsTheListedOne()
    {
        MainFixture f;
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.path() + "/one/two/b.mp3", "Second", "Band");
        TestSupport::WriteSong(dir.path() + "/one/a.mp3", "First", "Band");
        f.click("cmd_addmp3");
        frm_addsongs &w = f.main->Window<frm_addsongs>();
        w.DirectoryListBox->SetPath(dir.path());
        // A double click opens one directory: the first click has opened it when the second comes.
        const QPoint one = w.DirectoryListBox->viewport()->mapTo(&w, choose(*w.DirectoryListBox, "one"));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, one);
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, one);
        QCOMPARE(w.DirectoryListBox->Path(), dir.path() + "/one");
        for (const char *entry : {"two", ".."}) {
            choose(*w.DirectoryListBox, entry);
            QTest::keyClick(w.DirectoryListBox, Qt::Key_Return);
        }
        QCOMPARE(w.Text_Path->text(), dir.path() + "/one");

        // The listed path is scanned, whatever the path box shows; twice adds twice.
        w.Text_Path->setText("/nowhere");
        w.cmd_recursive->click();
        QCOMPARE(f.model().catalogue.Songs().at(0).SongName, QStringLiteral("First"));
        w.cmd_recursive->click();
        QCOMPARE(f.tree()->Count(), 1 + 1 + 4);
        QCOMPARE(f.control<QLabel>("Label_TotalAllSongs")->text(), QStringLiteral("4"));

        // The CD button adds its drive without showing the window, or says it cannot.
        w.cmd_cancel->click();
        TestSupport::RecordedMessages &messages = f.messages;
        f.model().settings.SetCdDrive("/no/such/drive");
        f.click("cmd_Cd");
        QCOMPARE(messages.texts, QStringList{"Drive Not Avaialible"});
        Platform::SetDriveRoots({dir.path() + "/one/two"});
        f.model().settings.SetCdDrive(dir.path() + "/one/two/");
        f.click("cmd_Cd");
        QCOMPARE(f.model().catalogue.SongCount(), 5);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
