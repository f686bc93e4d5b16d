// Start-up: the shared state, the main window's layout and the start-up playlist.
#include "platform/keyed_tree.h"
#include "platform/twips.h"
#include "state/globals.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void emptyDirectoryGivesInitialState()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        QCOMPARE(SongCount, 0);
        QCOMPARE(LastSongIndex, 0);
        QCOMPARE(QCount, 0);
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("NULLLongNameQlist"));
        QCOMPARE(Qlist.at(0).Index, -1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(CurrentSong.Index, 0);
        QCOMPARE(PreviousSong.Index, -1);
        QCOMPARE(SelectedSong.LongName, QStringLiteral("SelectedSong"));
        QVERIFY(f.main->findChild<QCheckBox *>("chk_shuffle")->isChecked());
        QCOMPARE(f.main->findChild<QLabel *>("Label_TotalAllSongs")->text(), QStringLiteral("0"));
        QCOMPARE(f.main->findChild<QLabel *>("label_totaltime")->text(), QStringLiteral("00:00"));
        QCOMPARE(f.main->TreeView1->Count(), 0);
    }

    void controlsStandWhereDesigned()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Korvel v1.3"));
        QCOMPARE(f.main->centralWidget()->size(), Platform::TwipRect(0, 0, 7005, 5940).size());
        auto *add = f.main->findChild<QPushButton *>("cmd_addmp3");
        QCOMPARE(add->geometry(), Platform::TwipRect(5880, 1560, 735, 375));
        QCOMPARE(add->text(), QStringLiteral("Add"));
        QCOMPARE(f.main->findChild<QPushButton *>("cmd_next")->toolTip(), QStringLiteral("\"+\" Next"));
        QCOMPARE(f.main->findChild<QCheckBox *>("chk_shuffle")->toolTip(), QStringLiteral("\"*\" Shuffle"));
        auto *volume = f.main->findChild<QSlider *>("Slider_vol");
        QCOMPARE(volume->value(), -50);
        QCOMPARE(volume->minimum(), -100);
        QCOMPARE(f.main->findChild<QSlider *>("Slider1")->maximum(), 120);
        QCOMPARE(f.main->findChild<QPushButton *>("cmd_QuickLoad")->text(), QStringLiteral("Quick Load"));
        QCOMPARE(f.main->findChild<QWidget *>("List1")->geometry(), Platform::TwipRect(120, 480, 5535, 4545));
        QVERIFY(f.main->findChild<QObject *>("mnu_Exit"));
        QVERIFY(f.main->findChild<QObject *>("mnu_About"));
    }

    void startUpPlaylistIsLoadedAndShownAsTree()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n"
                                   "\"A\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n"
                                   "\"B\",\"three\",\"/m/3.mp3\",\"3.mp3\"\r\n");
        TestSupport::MainFixture f;
        QCOMPARE(SongCount, 3);
        QCOMPARE(f.main->TreeView1->Count(), 1 + 2 + 3);
        QCOMPARE(f.main->findChild<QLabel *>("Label_TotalAllSongs")->text(), QStringLiteral("3"));
        QVERIFY(f.main->TreeView1->isVisible() || !f.main->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
