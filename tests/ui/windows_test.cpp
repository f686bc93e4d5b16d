// The other windows: the queue, options, About, add-songs and quick-load windows.
#include "core/state/globals.h"
#include "platform/drives.h"
#include "support/catalogue.h"
#include "support/screen_doubles.h"
#include "support/song_files.h"
#include "support/test_app.h"
#include "support/ui/main_fixture.h"
#include "ui/kit/directory_list_box.h"
#include "ui/kit/drive_list_box.h"
#include "ui/kit/keyed_tree.h"
#include "ui/windows/about_window.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/quick_load_window.h"
#include "ui/windows/windows.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MainFixture;

namespace {
// The options window shown and active, with the focus in `box` holding `text`.
frm_Options &editBox(QLineEdit *frm_Options::*box, const QString &text)
{
    Main::instance()->mnu_Options_Click();
    frm_Options &options = Window<frm_Options>();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&options)); }();
    (options.*box)->setFocus();
    (options.*box)->setText(text);
    return options;
}

bool centredOnMain(const QWidget &window)
{
    return (window.frameGeometry().center() - Main::instance()->frameGeometry().center()).manhattanLength() <= 1;
}

QStringList rows(const QListWidget &list)
{
    QStringList texts;
    for (int k = 0; k < list.count(); ++k)
        texts << list.item(k)->text();
    return texts;
}

// Makes the row named `name` current and returns where it is drawn.
QPoint choose(Kit::DirectoryListBox &list, const QString &name)
{
    list.setCurrentItem(list.findItems(name, Qt::MatchExactly).value(0));
    return list.visualItemRect(list.currentItem()).center();
}
} // namespace

// Stands in for the browser: records the addresses the program hands over.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Platform::SetDriveRoots({}); }

    void queueWindowReordersRemovesAndClears()
    {
        MainFixture f;
        TestSupport::CapturedMessages messages;
        f.main->cmd_Q->click();
        frm_Q &q = Window<frm_Q>();
        q.cmd_QueUp->click();
        q.cmd_QueDown->click();
        QCOMPARE(messages.texts, (QStringList{"No Songs in Q", "No Songs in Q"}));
        TestSupport::SetCatalogue({{"A", "1", "/a"}, {"B", "2", "/b"}, {"C", "3", "/c"}, {"D", "4", "/d"}});
        for (int i = 0; i < 4; ++i)
            Enqueue({Songs.at(i).LongName, int16_t(i)});
        q.cmd_QueRemove->click(); // nothing selected
        q.list_que->setCurrentRow(1);
        q.cmd_QueRemove->click();
        QCOMPARE(rows(*q.list_que), (QStringList{"A - 1", "C - 3", "D - 4"}));
        q.list_que->setCurrentRow(0);
        q.cmd_QueUp->click();
        q.list_que->setCurrentRow(2);
        q.cmd_QueDown->click();
        q.cmd_QueUp->click();
        q.cmd_QueUp->click();
        QCOMPARE(rows(*q.list_que), (QStringList{"D - 4", "A - 1", "C - 3"}));
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("/d"));
        QCOMPARE(q.list_que->currentRow(), 0);

        q.chk_songque->setChecked(true);
        q.cmd_QueClear->click();
        QCOMPARE(q.list_que->count(), 0);
        QCOMPARE(QCount, 0);
        q.cmd_close->click();
        QVERIFY(!q.isVisible());
        f.main->cmd_Q->click();
        QVERIFY(q.isVisible() && q.chk_songque->isChecked());
        QCOMPARE(messages.texts.size(), 2);
    }

    void fontSizeBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("refused");
        QTest::newRow("5") << "5" << "8" << 8 << false;
        QTest::newRow("31") << "31" << "30" << 30 << false;
        QTest::newRow("30") << "30" << "30" << 30 << false;
        QTest::newRow("29.5") << "29.5" << "29.5" << 30 << false;
        QTest::newRow("8.5") << "8.5" << "8.5" << 8 << false;
        QTest::newRow("blanks and sign") << " +12 " << " +12 " << 12 << false;
        QTest::newRow("empty") << "" << "" << 8 << true;
        QTest::newRow("letters") << "ab" << "ab" << 8 << true;
    }

    void fontSizeBox()
    {
        QFETCH(QString, typed);
        TestSupport::AppDir dir;
        MainFixture f;
        TestSupport::CapturedMessages capture;
        frm_Options &options = editBox(&frm_Options::text_FontSize, typed);
        QTest::keyClick(options.text_FontSize, Qt::Key_Tab);
        if (QFETCH(bool, refused); refused) {
            // A refused value keeps the focus and cancels the clicks that would leave the box.
            QTRY_COMPARE(capture.texts, QStringList{QStringLiteral("Please enter a Number Between 8-30")});
            QVERIFY(options.text_FontSize->hasFocus());
            QTest::mouseClick(options.cmd_Close, Qt::LeftButton);
            QTest::mouseClick(options.cmd_Save, Qt::LeftButton);
            QCOMPARE(capture.texts.size(), 3);
            QVERIFY(options.isVisible() && options.text_FontSize->hasFocus());
            QVERIFY(!QFileInfo::exists(dir.file("Korvel.ini")));
        }
        QTEST(options.text_FontSize->text(), "shown");
        QTEST(int(FontSize), "size");
        QTEST(f.main->TreeView1->font().pointSize(), "size");
        QTEST(f.main->List1->font().pointSize(), "size");
    }

    void settingsReachTheWindowsAtStartUp()
    {
        QTemporaryDir drive;
        Platform::SetDriveRoots({"/", drive.path()});
        TestSupport::AppDir dir;
        dir.write("Korvel.ini", "\"SongsStartDir\",\"" + drive.path().toUtf8() +
                                    "\"\r\n\"FontSize\",50\r\n\"ListName3\",\"Road trip, 2004\"\r\n");
        {
            MainFixture f;
            QCOMPARE(Window<frm_addsongs>().Drive1->Drive(), drive.path());
            QVERIFY(!Window<frm_addsongs>().isVisible());
            // A size outside 8..30 stays in the setting but the views keep within.
            QCOMPARE(Window<frm_Options>().text_FontSize->text(), QStringLiteral("50"));
            QCOMPARE(f.main->List1->font().pointSize(), 30);
            QCOMPARE(Window<frm_QuickLoad>().text_ListName[3]->text(), QStringLiteral("Road trip, 2004"));
            // A name typed in one row is saved by the Save of any other.
            Window<frm_QuickLoad>().text_ListName[1]->setText(QStringLiteral("Typed"));
            Window<frm_QuickLoad>().cmd_Save[4]->click();
            QVERIFY(dir.read("Korvel.ini").contains("\"ListName1\",\"Typed\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"Road trip"));
        }
        // A directory below the root of another drive chooses that drive.
        dir.write("Korvel.ini", "\"SongsStartDir\",\"/usr/share\"\r\n");
        MainFixture f;
        QCOMPARE(Window<frm_addsongs>().Drive1->Drive(), QStringLiteral("/"));
    }

    void modeButtonsSortAndSwitchTheViews()
    {
        TestSupport::AppDir dir;
        MainFixture f;
        f.main->List1->addItem(QStringLiteral("from before"));
        frm_Options &options = editBox(&frm_Options::text_CdDrive, QStringLiteral("/dev/sr1"));
        // With an empty catalogue the list mode only switches the view.
        QCOMPARE(options.Opt_Sort_LSA->text(), QStringLiteral("Sort by  Song - Artist"));
        QTest::mouseClick(options.Opt_Sort_LSA, Qt::LeftButton);
        QCOMPARE(SortBy, QStringLiteral("LSA"));
        QVERIFY(!options.Opt_Sort_TAS->isChecked());
        QVERIFY(f.main->TreeView1->isHidden() && !f.main->List1->isHidden());
        QCOMPARE(f.main->List1->count(), 1);
        QTest::mouseClick(options.cmd_Save, Qt::LeftButton);
        QCOMPARE(CdDrive, QStringLiteral("/dev/sr1"));
        QVERIFY(dir.read("Korvel.ini").contains("\"CdDrive\",\"/dev/sr1\"\r\n"));

        // The tree after the song-artist mode plays the songs its nodes name.
        TestSupport::SetCatalogue({{"B", "alpha", "/m/1.mp3"}, {"A", "delta", "/m/2.mp3"}, {"A", "beta", "/m/3.mp3"},
                                   {"C", "gamma", "/m/4.mp3"}});
        options.Opt_Sort_LSA->click();
        QCOMPARE(rows(*f.main->List1), (QStringList{"alpha, B", "beta, A", "delta, A", "gamma, C"}));
        options.Opt_Sort_TAS->click();
        QVERIFY(!f.main->TreeView1->isHidden());
        for (int i = 0; i < 4; ++i) {
            const auto *node = f.main->TreeView1->SongNode(i);
            QCOMPARE(node->text(0) + node->parent()->text(0), Songs.at(i).SongName + Songs.at(i).Artist);
        }
    }

    void aboutShowsItsTextOnceCentredLinksAndGoesOnClose()
    {
        TestSupport::AppDir dir;
        MainFixture f;
        f.main->show();
        f.main->mnu_About_Click();
        f.main->mnu_About_Click();
        QCOMPARE(f.main->findChildren<frm_About *>().size(), 1);
        QPointer<frm_About> about = &Window<frm_About>();
        const QString text = frm_About::AboutText();
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        const QStringList lines = about->Text1->toPlainText().split('\n');
        QCOMPARE(lines, text.split(QStringLiteral("\r\n")));
        const QString rule(44, QLatin1Char('-'));
        QCOMPARE(lines.mid(0, 3), (QStringList{"About", rule, "Korvel"}));
        QCOMPARE(lines.mid(5), (QStringList{
                                   "", "korvel.org", "", "Version Information", rule,
                                   "version 1.3", "  5-12-2004", "  Minor Misc Modifications", "",
                                   "version 1.2", "  5-7-2003", "  Increased Maximum Songlength for long", "  songs", "",
                                   "version 1.1", "  4-21-2003", "  Fixed FontSize Saving", "",
                                   "version 1.0", "  3-24-2003", "  I'm going to call this version 1.0 just",
                                   "  because, I have to start somewhere.", "", ""}));
        QVERIFY(centredOnMain(*about));

        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QTest::mouseClick(about->cmd_hyperlink, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://korvel.org"))});
        QVERIFY(!QApplication::overrideCursor());

        QTest::mouseClick(about->cmd_close, Qt::LeftButton);
        QVERIFY(!WindowExists<frm_About>());
        QTRY_VERIFY(about.isNull());
        f.main->move(f.main->pos() + QPoint(40, 30));
        f.main->mnu_About_Click();
        QVERIFY(centredOnMain(Window<frm_About>()));
    }

    void addSongsWindowOpensDirectoriesAndAddsTheListedOne()
    {
        TestSupport::AppDir app;
        MainFixture f;
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.path() + "/one/two/b.mp3", "Second", "Band");
        TestSupport::WriteSong(dir.path() + "/one/a.mp3", "First", "Band");
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

        // The listed path is scanned, whatever the path box shows; twice adds twice.
        w.Text_Path->setText("/nowhere");
        w.cmd_recursive->click();
        QCOMPARE(Songs.at(0).SongName, QStringLiteral("First"));
        w.cmd_recursive->click();
        QCOMPARE(SongCount, 4);
        QCOMPARE(f.main->TreeView1->Count(), 1 + 1 + 4);
        QCOMPARE(f.main->Label_TotalAllSongs->text(), QStringLiteral("4"));

        w.cmd_cancel->click();
        QVERIFY(!w.isVisible());
        f.main->cmd_addmp3->click();
        QCOMPARE(w.DirectoryListBox->Path(), dir.path() + "/one");
    }

    void cdButtonAddsTheDriveWithoutShowingTheWindow()
    {
        TestSupport::AppDir app;
        MainFixture f;
        TestSupport::CapturedMessages messages;
        CdDrive = "/no/such/drive";
        f.main->cmd_Cd->click();
        QCOMPARE(messages.texts, QStringList{"Drive Not Avaialible"});
        QCOMPARE(SongCount, 0);

        QTemporaryDir disc;
        TestSupport::WriteSong(disc.path() + "/track.mp3", "Track", "Disc");
        Platform::SetDriveRoots({disc.path()});
        CdDrive = disc.path() + "/";
        f.main->cmd_Cd->click();
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(Songs.at(0).LongName, disc.path() + "//track.mp3");
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("Disc"));
        QVERIFY(!Window<frm_addsongs>().isVisible());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
