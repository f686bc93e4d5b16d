// The quick-load slots: saving and deleting slot files, loading them into the views,
// the missing-file message and the slot names in Korvel.ini.
#include "app/windows.h"
#include "dialogs/options_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "state/globals.h"
#include "storage/quick_load_window.h"
#include "support/test_app.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
void makeCatalogue(int count)
{
    Songs.clear();
    SongCount = 0;
    for (int i = 0; i < count; ++i) {
        Song &song = AppendSong(Songs, LastSongIndex, SongCount);
        song.Artist = QStringLiteral("Artist %1").arg(i % 3);
        song.SongName = QStringLiteral("Song %1").arg(i);
        song.LongName = QStringLiteral("/m/%1.mp3").arg(i);
        song.ShortName = QStringLiteral("%1.mp3").arg(i);
    }
}
} // namespace

class QuickLoadTest : public QObject {
    Q_OBJECT
private slots:
    void sixNamedRows()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        f.main->cmd_QuickLoad_Click();
        frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
        QCOMPARE(quickLoad.windowTitle(), QStringLiteral("QuickLoad"));
        QCOMPARE(quickLoad.findChild<QPushButton *>("cmd_Save_3")->geometry(), Platform::TwipRect(1320, 2160, 735, 375));
        QCOMPARE(quickLoad.findChild<QLineEdit *>("text_ListName_5")->geometry(), Platform::TwipRect(2280, 3360, 2055, 285));
        quickLoad.text_ListName[2]->setText(QStringLiteral("Road"));
        quickLoad.cmd_close->click();
        QVERIFY(quickLoad.isHidden());
        f.main->cmd_QuickLoad_Click();
        QCOMPARE(Window<frm_QuickLoad>().text_ListName[2]->text(), QStringLiteral("Road"));
    }

    void saveWritesSlotFileAndAllSlotNames()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
        makeCatalogue(40);
        quickLoad.text_ListName[3]->setText(QStringLiteral("Road trip, 2004"));
        quickLoad.cmd_Save[2]->click();
        const QByteArray playlist = dir.read("playlist2.txt");
        QCOMPARE(playlist.count("\r\n"), 40);
        QVERIFY(playlist.endsWith("\"Song 39\",\"/m/39.mp3\",\"39.mp3\"\r\n"));
        const QList<QByteArray> settings = dir.read("Korvel.ini").split('\n');
        QCOMPARE(settings.size(), 11);
        QCOMPARE(settings.at(7), QByteArray("\"ListName3\",\"Road trip, 2004\"\r"));

        dir.write("Korvel.ini", "");
        quickLoad.cmd_Save[1]->click();
        QVERIFY(dir.read("Korvel.ini").contains("\"ListName3\",\"Road trip, 2004\"\r\n"));
    }

    void saveOfEmptyCatalogueDeletesSlotFile()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n");
        {
            TestSupport::MainFixture f;
            QCOMPARE(SongCount, 1);
            SongCount = 0;
            Window<frm_QuickLoad>().cmd_Save[0]->click();
            QVERIFY(!QFileInfo::exists(dir.file("playlist0.txt")));
            QVERIFY(QFileInfo::exists(dir.file("Korvel.ini")));
        }
        TestSupport::MainFixture next;
        QCOMPARE(SongCount, 0);
        QCOMPARE(next.main->TreeView1->Count(), 0);
    }

    void failedSaveOrDeleteTellsUser()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        QVERIFY(QDir(dir.path()).mkpath("playlist2.txt/inside"));
        QVERIFY(QDir(dir.path()).mkpath("playlist3.txt/inside"));
        Platform::MessageCapture capture;
        makeCatalogue(2);
        Window<frm_QuickLoad>().cmd_Save[2]->click();
        SongCount = 0;
        Window<frm_QuickLoad>().cmd_Save[3]->click();
        QCOMPARE(capture.messages().size(), 2);
        QVERIFY(capture.messages().at(0).contains(dir.file("playlist2.txt")));
        QVERIFY(capture.messages().at(1).contains(dir.file("playlist3.txt")));
        QVERIFY(QFileInfo::exists(dir.file("Korvel.ini")));
    }

    void loadOfMissingSlotTellsUser()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        makeCatalogue(5);
        Platform::MessageCapture capture;
        Window<frm_QuickLoad>().cmd_Load[4]->click();
        QCOMPARE(capture.messages(), QStringList{QStringLiteral("File ") + dir.file("playlist4.txt") +
                                                 QStringLiteral("\rDoes Not exist, please Save a File")});
        QCOMPARE(SongCount, 5);
    }

    void loadReplacesCatalogueInTheShownForm()
    {
        TestSupport::AppDir dir;
        dir.write("playlist3.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"B\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n");
        TestSupport::MainFixture f;
        makeCatalogue(7);
        Window<frm_Options>().Opt_Sort_LSA->click();
        Window<frm_QuickLoad>().cmd_Load[3]->click();
        QCOMPARE(SongCount, 2);
        QCOMPARE(Songs.at(1).LongName, QStringLiteral("/m/2.mp3"));
        QCOMPARE(f.main->TreeView1->Count(), 1 + 2 + 2);
        QVERIFY(!f.main->List1->isHidden());
        QCOMPARE(f.main->List1->count(), 2);
        QCOMPARE(f.main->List1->item(0)->text(), QStringLiteral("one, A"));
        QCOMPARE(f.main->List1->item(1)->text(), QStringLiteral("two, B"));
    }
};

QTEST_MAIN(QuickLoadTest)
#include "quick_load_test.moc"
