// The options window (modes, font size validation, the other boxes) and the About window.
#include "app/windows.h"
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/test_app.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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
} // namespace

// Stands in for the browser: records the addresses the program hands over.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void fontSizeTakesEffect_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("size");
        QTest::newRow("5") << "5" << "8" << 8;
        QTest::newRow("31") << "31" << "30" << 30;
        QTest::newRow("30") << "30" << "30" << 30;
        QTest::newRow("29.5") << "29.5" << "29.5" << 30;
        QTest::newRow("8.5") << "8.5" << "8.5" << 8;
        QTest::newRow("blanks and sign") << " +12 " << " +12 " << 12;
    }

    void fontSizeTakesEffect()
    {
        QFETCH(QString, typed);
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        frm_Options &options = editBox(&frm_Options::text_FontSize, typed);
        QTest::keyClick(options.text_FontSize, Qt::Key_Tab);
        QTEST(options.text_FontSize->text(), "shown");
        QTEST(int(FontSize), "size");
        QTEST(f.main->TreeView1->font().pointSize(), "size");
        QTEST(f.main->List1->font().pointSize(), "size");
    }

    void refusedFontSizeKeepsFocusAndCancelsClicks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "ab";
    }

    void refusedFontSizeKeepsFocusAndCancelsClicks()
    {
        QFETCH(QString, typed);
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        Platform::MessageCapture capture;
        frm_Options &options = editBox(&frm_Options::text_FontSize, typed);
        QTest::keyClick(options.text_FontSize, Qt::Key_Tab);
        QTRY_COMPARE(capture.messages(), QStringList{QStringLiteral("Please enter a Number Between 8-30")});
        QVERIFY(options.text_FontSize->hasFocus());
        QTest::mouseClick(options.cmd_Close, Qt::LeftButton);
        QTest::mouseClick(options.cmd_Save, Qt::LeftButton);
        QCOMPARE(capture.messages().size(), 3);
        QVERIFY(options.isVisible());
        QVERIFY(!QFileInfo::exists(dir.file("Korvel.ini")));
        QVERIFY(options.text_FontSize->hasFocus());
        QCOMPARE(FontSize, 8);
    }

    void driveBoxTakesEffectBeforeSave()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        frm_Options &options = editBox(&frm_Options::text_CdDrive, QStringLiteral("/dev/sr1"));
        QTest::mouseClick(options.cmd_Save, Qt::LeftButton);
        QCOMPARE(CdDrive, QStringLiteral("/dev/sr1"));
        QVERIFY(dir.read("Korvel.ini").contains("\"CdDrive\",\"/dev/sr1\"\r\n"));
    }

    void listModeWithEmptyCatalogueOnlySwitchesView()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        f.main->List1->addItem(QStringLiteral("from before"));
        frm_Options &options = Window<frm_Options>();
        QCOMPARE(options.Opt_Sort_LSA->text(), QStringLiteral("Sort by  Song - Artist"));
        QTest::mouseClick(options.Opt_Sort_LSA, Qt::LeftButton);
        QCOMPARE(SortBy, QStringLiteral("LSA"));
        QVERIFY(!options.Opt_Sort_TAS->isChecked());
        QVERIFY(f.main->TreeView1->isHidden());
        QVERIFY(!f.main->List1->isHidden());
        QCOMPARE(f.main->List1->count(), 1);
    }

    void treeAfterSongArtistModeNamesItsSongs()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"B\",\"alpha\",\"/m/1.mp3\",\"1.mp3\"\r\n\"A\",\"delta\",\"/m/2.mp3\",\"2.mp3\"\r\n"
                                   "\"A\",\"beta\",\"/m/3.mp3\",\"3.mp3\"\r\n\"C\",\"gamma\",\"/m/4.mp3\",\"4.mp3\"\r\n");
        TestSupport::MainFixture f;
        Window<frm_Options>().Opt_Sort_LSA->click();
        Window<frm_Options>().Opt_Sort_TAS->click();
        QVERIFY(!f.main->TreeView1->isHidden());
        int songs = 0;
        for (int n = 1; n <= f.main->TreeView1->Count(); ++n) {
            const auto *node = f.main->TreeView1->NodeAt(n);
            if (!Platform::KeyedTree::IsSong(node))
                continue;
            const Song &song = Songs.at(Platform::KeyedTree::Key(node).mid(3).toUInt());
            QCOMPARE(node->text(0) + node->parent()->text(0), song.SongName + song.Artist);
            ++songs;
        }
        QCOMPARE(songs, 4);
    }

    void aboutText()
    {
        const QString text = frm_About::AboutText();
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const QString rule(44, QLatin1Char('-'));
        QCOMPARE(lines.mid(0, 3), (QStringList{"About", rule, "Korvel"}));
        QCOMPARE(lines.mid(5), (QStringList{
                                   "", "korvel.org", "", "Version Information", rule,
                                   "version 1.3", "  5-12-2004", "  Minor Misc Modifications", "",
                                   "version 1.2", "  5-7-2003", "  Increased Maximum Songlength for long", "  songs", "",
                                   "version 1.1", "  4-21-2003", "  Fixed FontSize Saving", "",
                                   "version 1.0", "  3-24-2003", "  I'm going to call this version 1.0 just",
                                   "  because, I have to start somewhere.", "", ""}));
    }

    void aboutOpensOnceCentredAndGoesOnClose()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        f.main->show();
        f.main->mnu_About_Click();
        f.main->mnu_About_Click();
        QCOMPARE(f.main->findChildren<frm_About *>().size(), 1);
        QPointer<frm_About> about = &Window<frm_About>();
        QCOMPARE(about->Text1->toPlainText().split('\n'), frm_About::AboutText().split(QStringLiteral("\r\n")));
        QVERIFY(centredOnMain(*about));
        QTest::mouseClick(about->cmd_close, Qt::LeftButton);
        QVERIFY(!WindowExists<frm_About>());
        QTRY_VERIFY(about.isNull());
        f.main->move(f.main->pos() + QPoint(40, 30));
        f.main->mnu_About_Click();
        QVERIFY(centredOnMain(Window<frm_About>()));
    }

    void linkOpensProjectPageAndRestoresCursor()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QTest::mouseClick(Window<frm_About>().cmd_hyperlink, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://korvel.org"))});
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
