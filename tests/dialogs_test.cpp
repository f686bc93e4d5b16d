// The options window (modes, font size validation, the other boxes) and the About window.
#include "app/windows.h"
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/catalogue.h"
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
        TestSupport::MainFixture f;
        Platform::MessageCapture capture;
        frm_Options &options = editBox(&frm_Options::text_FontSize, typed);
        QTest::keyClick(options.text_FontSize, Qt::Key_Tab);
        if (QFETCH(bool, refused); refused) {
            // A refused value keeps the focus and cancels the clicks that would leave the box.
            QTRY_COMPARE(capture.messages(), QStringList{QStringLiteral("Please enter a Number Between 8-30")});
            QVERIFY(options.text_FontSize->hasFocus());
            QTest::mouseClick(options.cmd_Close, Qt::LeftButton);
            QTest::mouseClick(options.cmd_Save, Qt::LeftButton);
            QCOMPARE(capture.messages().size(), 3);
            QVERIFY(options.isVisible() && options.text_FontSize->hasFocus());
            QVERIFY(!QFileInfo::exists(dir.file("Korvel.ini")));
        }
        QTEST(options.text_FontSize->text(), "shown");
        QTEST(int(FontSize), "size");
        QTEST(f.main->TreeView1->font().pointSize(), "size");
        QTEST(f.main->List1->font().pointSize(), "size");
    }

    void listModesAndDriveBox()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
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
        TestSupport::SetCatalogue(*f.main, {{"B", "alpha", "/m/1.mp3"}, {"A", "delta", "/m/2.mp3"},
                                            {"A", "beta", "/m/3.mp3"}, {"C", "gamma", "/m/4.mp3"}});
        options.Opt_Sort_LSA->click();
        options.Opt_Sort_TAS->click();
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


    void aboutShowsItsTextOnceCentredLinksAndGoesOnClose()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
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
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
