// The add-songs window and the main window's Add and CD buttons.
#include "app/windows.h"
#include "dialogs/add_songs_window.h"
#include "platform/directory_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/song_files.h"
#include "support/test_app.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Makes the row named `name` current and returns where it is drawn.
QPoint choose(Platform::DirectoryListBox &list, const QString &name)
{
    list.setCurrentItem(list.findItems(name, Qt::MatchExactly).value(0));
    return list.visualItemRect(list.currentItem()).center();
}
} // namespace

class AddSongsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Songs.clear(); }
    void cleanup() { Platform::SetDriveRoots({}); }

    void clickAndEnterOpenDirectoriesAndTheChoiceStays()
    {
        TestSupport::AppDir app;
        TestSupport::MainFixture f;
        QTemporaryDir dir;
        TestSupport::WriteFile(dir.path() + "/one/two/song.mp3", "");
        f.main->cmd_addmp3->click();
        frm_addsongs &w = Window<frm_addsongs>();
        QVERIFY(w.isVisible());
        QCOMPARE(w.pos(), f.main->pos() + QPoint(100, 0));
        w.DirectoryListBox->SetPath(dir.path());

        QTest::mouseClick(w.DirectoryListBox->viewport(), Qt::LeftButton, {}, choose(*w.DirectoryListBox, "one"));
        QTRY_COMPARE(w.DirectoryListBox->Path(), dir.path() + "/one");
        choose(*w.DirectoryListBox, "two");
        QTest::keyClick(w.DirectoryListBox, Qt::Key_Return);
        QCOMPARE(w.Text_Path->text(), dir.path() + "/one/two");
        choose(*w.DirectoryListBox, "..");
        QTest::keyClick(w.DirectoryListBox, Qt::Key_Return);
        QCOMPARE(w.DirectoryListBox->Path(), dir.path() + "/one");

        w.cmd_cancel->click();
        QVERIFY(!w.isVisible());
        f.main->cmd_addmp3->click();
        QVERIFY(w.isVisible());
        QCOMPARE(w.DirectoryListBox->Path(), dir.path() + "/one");
    }

    void addDirectorysScansTheListedPathEachTime()
    {
        TestSupport::AppDir app;
        TestSupport::MainFixture f;
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.path() + "/b.mp3", "Second", "Band");
        TestSupport::WriteSong(dir.path() + "/sub/a.mp3", "First", "Band");
        frm_addsongs &w = Window<frm_addsongs>();
        w.DirectoryListBox->SetPath(dir.path());
        w.Text_Path->setText("/nowhere");
        w.cmd_recursive->click();
        QCOMPARE(Songs.at(0).SongName, QStringLiteral("First"));
        w.cmd_recursive->click();
        QCOMPARE(SongCount, 4);
        QCOMPARE(f.main->TreeView1->Count(), 1 + 1 + 4);
    }

    void cdButtonAddsTheDriveWithoutShowingTheWindow()
    {
        TestSupport::AppDir app;
        TestSupport::MainFixture f;
        Platform::MessageCapture messages;
        CdDrive = "/no/such/drive";
        f.main->cmd_Cd->click();
        QCOMPARE(messages.messages(), QStringList{"Drive Not Avaialible"});
        QCOMPARE(SongCount, 0);
        QVERIFY(WindowExists<frm_addsongs>() && !Window<frm_addsongs>().isVisible());

        QTemporaryDir disc;
        TestSupport::WriteSong(disc.path() + "/track.mp3", "Track", "Disc");
        Platform::SetDriveRoots({disc.path()});
        CdDrive = disc.path() + "/";
        f.main->cmd_Cd->click();
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(Songs.at(0).LongName, disc.path() + "//track.mp3");
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("Disc"));
        QVERIFY(!Window<frm_addsongs>().isVisible());
    }
};

QTEST_MAIN(AddSongsTest)
#include "add_songs_test.moc"
