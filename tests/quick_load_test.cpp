// The quick-load slots: saving and deleting slot files, loading them into the views,
// the missing-file message and the slot names in Korvel.ini.
#include "app/windows.h"
#include "dialogs/options_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
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
    for (int i = 0; i < count; ++i)
        AppendSong(Songs, LastSongIndex, SongCount) = {QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i), 0,
                                                       QStringLiteral("Artist"), QStringLiteral("Song %1").arg(i)};
}

void click(const char *button) { Window<frm_QuickLoad>().findChild<QPushButton *>(button)->click(); }
} // namespace

class QuickLoadTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesOrDeletesSlotFilesAndRewritesSlotNames()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n");
        // Slot files that can be neither written nor deleted.
        for (const char *slot : {"playlist3.txt/inside", "playlist4.txt/inside"})
            QVERIFY(QDir(dir.path()).mkpath(slot));
        {
            TestSupport::MainFixture f;
            Platform::MessageCapture capture;
            makeCatalogue(40);
            Window<frm_QuickLoad>().findChild<QLineEdit *>("text_ListName_1")->setText(QStringLiteral("Road trip, 2004"));
            click("cmd_Save_4");
            click("cmd_Save_2");
            const QByteArray playlist = dir.read("playlist2.txt");
            QCOMPARE(playlist.count("\r\n"), 40);
            QVERIFY(playlist.endsWith("\"Song 39\",\"/m/39.mp3\",\"39.mp3\"\r\n"));

            // A failed delete still rewrites every slot name, the one typed in another row too.
            SongCount = 0;
            dir.write("Korvel.ini", "");
            click("cmd_Save_3");
            const QList<QByteArray> settings = dir.read("Korvel.ini").split('\n');
            QCOMPARE(settings.size(), 11);
            QCOMPARE(settings.at(5), QByteArray("\"ListName1\",\"Road trip, 2004\"\r"));
            QCOMPARE(capture.messages().size(), 2);
            QVERIFY(capture.messages().at(0).contains(dir.file("playlist4.txt")));
            QVERIFY(capture.messages().at(1).contains(dir.file("playlist3.txt")));

            click("cmd_Save_0");
            QVERIFY(!QFileInfo::exists(dir.file("playlist0.txt")));
        }
        TestSupport::MainFixture next;
        QCOMPARE(SongCount, 0);
        QCOMPARE(next.main->TreeView1->Count(), 0);
    }

    void loadReplacesCatalogueInTheCurrentFormOrTellsOfMissingFile()
    {
        TestSupport::AppDir dir;
        dir.write("playlist3.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"B\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n");
        TestSupport::MainFixture f;
        makeCatalogue(7);
        Window<frm_Options>().Opt_Sort_LSA->click();
        Platform::MessageCapture capture;
        click("cmd_Load_4");
        QCOMPARE(capture.messages(), QStringList{"File " + dir.file("playlist4.txt") + "\rDoes Not exist, please Save a File"});
        QCOMPARE(SongCount, 7);

        click("cmd_Load_3");
        QCOMPARE(SongCount, 2);
        QCOMPARE(f.main->TreeView1->Count(), 1 + 2 + 2);
        QVERIFY(!f.main->List1->isHidden());
        QCOMPARE(f.main->List1->count(), 2);
        QCOMPARE(f.main->List1->item(1)->text(), QStringLiteral("two, B"));
    }
};

QTEST_MAIN(QuickLoadTest)
#include "quick_load_test.moc"
